// TNimboField: a placeholder for a field value on a sheet or in a symbol; read, creates nothing.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "model/justification.h"
#include "reader/nimbo_object.h"

class TNimboField : public TNimboDrawObject {
  public:
    explicit TNimboField(TNimboObject* owner);
    void Parse() override;

    TPoint FPt;              // host units
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    uint8_t FJustify = kJustifyLowerLeft;
    std::string FTextStyleRef;
};
