// TNimboPlacedText: the base of the kinds that stand as a text on a sheet or in a symbol (free
// texts, attributes, fields). Where the text stands, how it is turned, mirrored and justified,
// and its text style are written with the same keywords in each of them, so they are read once
// here.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "model/justification.h"
#include "reader/nimbo_object.h"

class TNimboPlacedText : public TNimboDrawObject {
  public:
    explicit TNimboPlacedText(TNimboObject* owner);

    TPoint FPt;              // anchor, host units; relative to the symbol origin in a symbol
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    uint8_t FJustify = kJustifyLowerLeft;
    std::string FTextStyleRef;

  protected:
    // Reads the value of the placement keyword `token` ("pt", "rotation", "isFlipped",
    // "justify", "textStyleRef"); false when `token` is none of them and nothing was read.
    bool ReadPlacement(int32_t token);
};
