// TNimboArc: a circular arc, drawn as a host arc.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboArc : public TNimboDrawObject {
  public:
    explicit TNimboArc(TNimboObject* owner);
    void Parse() override;
    void Translate() override;

    TPoint FPt;                // centre, host units
    int32_t FRadius = 0;       // host units
    double FStartAngle = 0.0;  // degrees
    double FSweepAngle = 0.0;  // degrees, negative clockwise
    int32_t FWidth = 0;        // host units
    bool FIsFlipped = false;
    std::string FNetNameRef;
};

// The host line width code (0..3) of a width in host units.
uint8_t ArcLineWidth(int32_t width);
