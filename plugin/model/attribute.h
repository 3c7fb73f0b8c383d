// TNimboAttr: a named value with a place, a justification and a visibility. Creates nothing by
// itself: the library import turns symbol and component attributes into library fields, and
// placed parts put their designator and comment texts where the symbol's attributes stand.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "model/justification.h"
#include "reader/nimbo_object.h"

class TNimboAttr : public TNimboDrawObject {
  public:
    explicit TNimboAttr(TNimboObject* owner);
    void Parse() override;

    std::string FName;
    std::string FValue;
    TPoint FPt;              // host units, relative to the symbol origin inside a symbol definition
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    bool FIsVisible = false;
    uint8_t FJustify = kJustifyLowerLeft;
    std::string FTextStyleRef;
    std::string FConstraintFormula;
    std::string FConstraintComment;
    std::string FConstraintUnits;
};
