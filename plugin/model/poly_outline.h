// TNimboPolyOutline: the base of the closed outlines, the sheet's polygon and the board's
// polygon. Both write their points and their copper-tie keywords the same way, so they are
// read once here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboPolyOutline : public TNimboDrawObject {
  public:
    explicit TNimboPolyOutline(TNimboObject* owner);

    // File order; the first is not repeated. Host units on a sheet, internal units on the board.
    std::vector<TPoint> FPoints;
    bool FIsFlipped = false;
    bool FIsCopperTie = false;
    std::string FNetNameRef;
    std::string FTieNetValue;

  protected:
    // Reads the value of the outline keyword `token` ("pt", "isFlipped", "isCopperTie",
    // "netNameRef", "tieNetValue"); false when `token` is none of them and nothing was read.
    bool ReadOutline(int32_t token);
};
