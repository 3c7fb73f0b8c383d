#pragma once
// Reading helpers shared by the board-side kinds: groups read in place by their owner (a
// "multiLayer" group, a list of points, thermal pairs...), where the owner's own parse loop
// stays in charge of the nesting count.

#include <cstdint>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"

// Reads the rest of the group whose keyword `self` has just read, inside self's own nesting
// count: parentheses adjust FDepth, `onKeyword` handles what the group may hold and answers
// false for anything else, which is skipped. The group's ")" brings FDepth back to 1 and ends
// the reading; a keyword met directly in self's section (FDepth 1) opens no group, so nothing
// is read in place.
template <class TOnKeyword>
void ReadGroupInPlace(TNimboObject& self, TOnKeyword&& onKeyword) {
    while (self.FDepth > 1 && !self.ReadingStopped()) {
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

// A group of points read in place: every "pt" in it is appended to `points`.
void ReadPointsInPlace(TNimboObject& self, std::vector<TPoint>& points);
