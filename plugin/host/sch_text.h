// A text property as the schematic editor exchanges it: a 256-byte NUL-terminated buffer owned
// by the wrapper. The editor gets the address of a pointer to the buffer and never writes more
// than 256 bytes; `Set` cuts to 255 bytes so the terminator always fits.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "SchAPI.h"

class TSchText {
  public:
    static constexpr size_t kCapacity = kSchTextBufferSize;  // bytes, terminator included
    static constexpr size_t kMaxLength = kCapacity - 1;

    TSchText() = default;
    explicit TSchText(std::string_view text) { Set(text); }

    // The text up to its terminator (at most 255 bytes, even if the editor left none).
    std::string Get() const;
    // Replaces the text with its first 255 bytes; the rest of the buffer is cleared.
    void Set(std::string_view text);
    bool Empty() const { return FBuffer[0] == '\0'; }

    // The buffer handed to the editor.
    char* Data() { return FBuffer.data(); }

    friend bool operator==(const TSchText& a, const TSchText& b) { return a.Get() == b.Get(); }

  private:
    std::array<char, kCapacity> FBuffer{};
};
