#pragma once
// The parse loop that every design-side kind runs over its own section: parentheses keep the
// nesting count, `onKeyword` reads what the kind knows and answers false for anything else,
// which is then skipped with the rest of its group.

#include <memory>
#include <vector>

#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"

template <class TOnKeyword>
void RunParseLoop(TNimboObject& self, TOnKeyword&& onKeyword) {
    self.FDepth = 1;
    while (self.FDepth > 0 && !self.ReadingStopped()) {
        const int32_t token = self.FParser->NextToken();
        if (token == tokOpen) {
            ++self.FDepth;
        } else if (token == tokClose) {
            --self.FDepth;
        } else if (!onKeyword(token)) {
            self.SkipSection();
        }
    }
}

// Creates a child section of kind T owned by `owner`, lets it read its section and balances the
// "(" that the owner's loop counted before the keyword.
template <class T>
std::unique_ptr<T> ParseChild(TNimboObject& owner) {
    auto child = std::make_unique<T>(&owner);
    child->Parse();
    --owner.FDepth;
    return child;
}

class TNimboAttr;

// Reads a "globalAttrs" group in place, after its keyword: each "attr" in it is appended to
// `attrs`, anything else is skipped; the group's closing parenthesis ends the reading.
void ParseAttrGroup(TNimboObject& self, std::vector<std::unique_ptr<TNimboAttr>>& attrs);
