// TNimboAttr: a named value with a place, a justification and a visibility. Creates nothing by
// itself: the library import turns symbol and component attributes into library fields, and
// placed parts put their designator and comment texts where the symbol's attributes stand.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/placed_text.h"
#include "reader/nimbo_object.h"
#include "reader/parse_loop.h"

class TNimboAttr : public TNimboPlacedText {
  public:
    explicit TNimboAttr(TNimboObject* owner);
    void Parse() override;

    std::string FName;
    std::string FValue;
    bool FIsVisible = false;
    std::string FConstraintFormula;
    std::string FConstraintComment;
    std::string FConstraintUnits;
};

// Reads a group of attributes in place, after its keyword ("globalAttrs", a room's "attrs"...):
// each "attr" in it is appended to `attrs`, anything else is skipped; the group ends where
// ReadGroupInPlace ends it for `groupLevel`.
void ReadAttrsInPlace(TNimboObject& self, std::vector<std::unique_ptr<TNimboAttr>>& attrs,
                      int32_t groupLevel = kGroupDepth);
