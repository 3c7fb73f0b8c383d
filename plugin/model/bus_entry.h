#pragma once
// A bus entry: the point where a wire meets a bus. It draws nothing itself; the wire that ends
// on it draws the host bus entry.

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboBusEntry : public TNimboDrawObject {
  public:
    explicit TNimboBusEntry(TNimboObject* owner);

    void Parse() override;

    std::string FBusNameRef;  // read, not used
    TPoint FPt{0, 0};         // host units
    uint8_t FOrient = 1;      // 0 "Up", 1 "Left", 2 "Down", 3 "Right"; read, not used
};
