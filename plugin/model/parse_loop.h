// The parse loop that every kind of the library side runs over its own section, and the
// creation of child sections inside it.
#pragma once

#include <cstdint>
#include <memory>

#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"

namespace section {

// One step of a loop over a group read in place (`alts`, `padPinMap`): the same handling of
// parentheses and unread tokens; the caller decides how deep to go.
template <class THandler>
void ReadGroupToken(TNimboObject& object, THandler&& handle) {
    const int32_t token = object.FParser->NextToken();
    if (token == tokOpen) {
        ++object.FDepth;
    } else if (token == tokClose) {
        --object.FDepth;
    } else if (!handle(token)) {
        object.SkipSection();
    }
}

// Runs `object`'s loop: FDepth := 1; parentheses adjust FDepth; every other token goes to
// `handle`, which returns false for a token the kind does not read (then SkipSection). Stops at
// the ")" that brings FDepth to 0, at the end of the file or on abort.
template <class THandler>
void ParseLoop(TNimboObject& object, THandler&& handle) {
    object.FDepth = 1;
    while (object.FDepth > 0 && !object.ReadingStopped()) {
        ReadGroupToken(object, handle);
    }
}

// Creates a child section of kind TChild owned by `owner`, parses it, and balances the "("
// that `owner`'s loop counted before the child's keyword.
template <class TChild>
std::unique_ptr<TChild> ParseChild(TNimboObject& owner) {
    auto child = std::make_unique<TChild>(&owner);
    child->Parse();
    --owner.FDepth;
    return child;
}

}  // namespace section
