// TNimboIeeeSymbol: one of seven IEEE qualifying symbols, drawn as red host lines scaled to its
// height and turned by its rotation.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "host/point.h"
#include "reader/nimbo_object.h"

// One segment on the symbol's grid, where 10 is the symbol's height.
struct TIeeeSegment {
    int32_t X1, Y1, X2, Y2;
};

// The segments of the symbol named `name` (any letter case) in drawing order; empty for a name
// that is not one of the seven.
std::span<const TIeeeSegment> IeeeSymbolSegments(std::string_view name);

class TNimboIeeeSymbol : public TNimboDrawObject {
  public:
    explicit TNimboIeeeSymbol(TNimboObject* owner);
    void Parse() override;
    void Translate() override;

    std::string FName;       // the symbol's type: "Adder", "Amplifier", ...
    TPoint FPt;              // host units
    int32_t FHeight = 0;     // host units
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
};
