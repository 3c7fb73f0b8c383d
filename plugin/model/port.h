#pragma once
// A sheet port: where a net leaves the sheet. Becomes a host port of one of eight shapes; a
// one-pin vertical port is approximated by a short host port and three wire segments.

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboSheet;
class TSchPort;

class TNimboPort : public TNimboDrawObject {
  public:
    explicit TNimboPort(TNimboObject* owner);

    void Parse() override;
    void Translate() override;

    // Direction code (0 +x, 1 +y, 2 -x, 3 -y; other values find nothing) in which the port
    // extends from its connection point.
    uint8_t PortDirection() const;
    // Length of the host port in host units: the distance to the nearest wire end of the same net
    // in the port's direction for a two-pin port (30 when none lies within 99), 30 for a one-pin
    // horizontal port, 0 for a one-pin vertical port.
    int32_t PortWidth() const;
    // One host wire segment (host units), added to the document at once.
    void AddPortWire(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    TPoint FPt{0, 0};  // host units
    std::string FNetNameRef;
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    uint8_t FPinLengthCode = 0;  // 0 "PortPinLong", 1 "PortPinShort"; read, not used
    bool FTwoPins = false;
    bool FVertical = false;
    uint8_t FAngle = 0;  // 0 none, 1 "LEFTANGLE", 2 "RIGHTANGLE", 3 "BOTHANGLE"

  private:
    TNimboSheet* OwningSheet() const;
    void ReadPortType();
    void ApproximateOnePinVertical(TSchPort& port, uint8_t direction);
};
