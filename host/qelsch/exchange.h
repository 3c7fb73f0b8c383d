// Moving one property between a caller's argument and the stored object, in the direction the
// exchange mode says (0 and 2 write to the editor, 1 reads from it). A null argument is skipped.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "SchAPI.h"

namespace qelsch {

enum class Direction { ToEditor, ToCaller };

// The direction of an exchange mode; nullopt for a mode that is none of 0, 1, 2.
inline std::optional<Direction> DirectionOf(int32_t mode) {
    switch (mode) {
        case kSchQueryWrite:
        case kSchQueryWrite2:
            return Direction::ToEditor;
        case kSchQueryRead:
            return Direction::ToCaller;
        default:
            return std::nullopt;
    }
}

template <class T>
void Exchange(Direction direction, T* argument, T& field) {
    if (!argument) return;
    if (direction == Direction::ToEditor) {
        field = *argument;
    } else {
        *argument = field;
    }
}

// A property the editor keeps for itself (an owned text's handle): only ever read out.
template <class T>
void ReadOnly(Direction direction, T* argument, const T& field) {
    if (argument && direction == Direction::ToCaller) *argument = field;
}

// A text property in a caller's NUL-terminated buffer of `bufferSize` bytes (`*argument` is the
// buffer). Writing reads no further than the buffer; reading fills at most bufferSize - 1 bytes.
inline void ExchangeText(Direction direction, char** argument, std::string& field,
                         size_t bufferSize = kSchTextBufferSize) {
    if (!argument || !*argument || bufferSize == 0) return;
    char* buffer = *argument;
    if (direction == Direction::ToEditor) {
        field.assign(buffer, std::min(strnlen(buffer, bufferSize), bufferSize - 1));
    } else {
        const size_t length = std::min(field.size(), bufferSize - 1);
        std::memcpy(buffer, field.data(), length);
        buffer[length] = '\0';
    }
}

}  // namespace qelsch
