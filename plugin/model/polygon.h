// TNimboPoly: a closed outline, drawn as a host polygon with every point of the file.
#pragma once

#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboPoly : public TNimboDrawObject {
  public:
    explicit TNimboPoly(TNimboObject* owner);
    void Parse() override;
    void Translate() override;

    std::vector<TPoint> FPoints;  // file order, host units; the first is not repeated
    bool FIsFlipped = false;
    bool FIsCopperTie = false;
    std::string FNetNameRef;
    std::string FTieNetValue;
};
