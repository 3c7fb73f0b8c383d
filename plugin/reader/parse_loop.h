// The parse loop that every kind runs over its own section, the reading of a group in place
// inside that loop, and the creation of child sections.
//
// The loop, in Parse():
//   1. The owner has read "(" and the kind's keyword and created the object; fixed leading
//      values (a name...) are read first.
//   2. FDepth = 1.
//   3. While FDepth > 0: stop on Eof or Aborted; t = NextToken():
//        tokOpen: ++FDepth;  tokClose: --FDepth;
//        a keyword whose value the kind reads: read it (the group's ")" comes back as tokClose);
//        a keyword opening a child section: ParseChild (which balances the "(" counted before
//          the keyword);
//        anything else: SkipSection().
#pragma once

#include <cstdint>
#include <memory>

#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"

// FDepth of an object's loop while it stands in a group opened directly in its own section.
inline constexpr int32_t kGroupDepth = 2;

// One token of a loop: parentheses adjust FDepth; any other token goes to `onKeyword`, which
// answers false for a token the kind does not read, and that token is skipped with the rest of
// its group.
template <class TOnKeyword>
void ReadLoopToken(TNimboObject& self, TOnKeyword&& onKeyword) {
    const int32_t token = self.FParser->NextToken();
    if (token == tokOpen) {
        ++self.FDepth;
    } else if (token == tokClose) {
        --self.FDepth;
    } else if (!onKeyword(token)) {
        self.SkipSection();
    }
}

// Runs `self`'s loop over its own section: stops at the ")" that brings FDepth to 0, at the
// end of the file or on abort.
template <class TOnKeyword>
void RunParseLoop(TNimboObject& self, TOnKeyword&& onKeyword) {
    self.FDepth = 1;
    while (self.FDepth > 0 && !self.ReadingStopped()) {
        ReadLoopToken(self, onKeyword);
    }
}

// Reads the rest of the group whose keyword `self`'s loop has just read, inside self's own
// nesting count, until FDepth falls below `groupLevel`. With the default, the group's ")"
// brings FDepth back to 1 and ends the reading, and a keyword met directly in self's section
// (FDepth 1) opens no group, so nothing is read in place. Readers that pass the FDepth they
// were called at read the group at whatever depth it stands.
template <class TOnKeyword>
void ReadGroupInPlace(TNimboObject& self, TOnKeyword&& onKeyword,
                      int32_t groupLevel = kGroupDepth) {
    while (self.FDepth >= groupLevel && !self.ReadingStopped()) {
        ReadLoopToken(self, onKeyword);
    }
}

// Lets `child`, created by `owner`'s loop, read its section (its Parse ends after the
// section's ")"), and balances the "(" that the owner's loop counted before the keyword.
template <class TChild>
std::unique_ptr<TChild> ParseChild(TNimboObject& owner, std::unique_ptr<TChild> child) {
    child->Parse();
    --owner.FDepth;
    return child;
}

// Creates a child section of kind TChild owned by `owner` and parses it as above.
template <class TChild>
std::unique_ptr<TChild> ParseChild(TNimboObject& owner) {
    return ParseChild(owner, std::make_unique<TChild>(&owner));
}
