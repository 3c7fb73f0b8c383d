// TNimboLine: a straight line, drawn as a host line. Wires read their geometry (ends, end
// styles, net name) from a line section too.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

// End styles of a line end (FEndStyle1, FEndStyle2).
enum : uint8_t {
    kEndStyleNone = 0,
    kEndStyleLeftLead = 1,
    kEndStyleRightLead = 2,
    kEndStyleRounded = 3,
    kEndStyleTwoLeads = 4,
};

// Line styles as the file counts them (FLineStyle).
enum : uint8_t { kLineSolid = 0, kLineDotted = 1, kLineDashed = 2 };

class TNimboLine : public TNimboDrawObject {
  public:
    explicit TNimboLine(TNimboObject* owner);
    void Parse() override;
    void Translate() override;

    TPoint FPoint1;  // the first `pt`, host units
    TPoint FPoint2;  // the last `pt` after the first, host units
    // 3 "Rounded" for an end the file leaves without a style.
    uint8_t FEndStyle1 = kEndStyleNone;
    uint8_t FEndStyle2 = kEndStyleNone;
    uint8_t FLineStyle = kLineSolid;
    int32_t FWidth = 0;  // length; 10 mil in the import's units at creation
    bool FIsFlipped = false;
    std::string FNetNameRef;
};
