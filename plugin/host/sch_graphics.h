// Wrappers of the editor's drawing objects: arcs, lines and annotations (free texts).
#pragma once

#include "SchAPI.h"
#include "host/sch_object.h"
#include "host/sch_text.h"

class TArc : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoArc;
    explicit TArc(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    // The angles in degrees, converted from and to the six-byte reals the editor exchanges.
    double StartAngleDegrees() const;
    double EndAngleDegrees() const;
    void SetStartAngleDegrees(double degrees);
    void SetEndAngleDegrees(double degrees);

    uint8_t FLineWidth = 0;   // 0 (thinnest) to 3
    int32_t FRadius = 0;      // [host units]; FLocation is the centre
    SchReal48 FStartAngle{};  // [degrees], counter-clockwise from +x
    SchReal48 FEndAngle{};    // [degrees], start plus sweep
};

class TLine : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoLine;
    explicit TLine(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FPassThrough = 0;
    TPoint FCorner;          // the first point [host units]; FLocation is the second
    uint8_t FLineStyle = 0;  // 0 solid, 1 dashed, 2 dotted
};

class TAnnotation : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoAnnotation;
    explicit TAnnotation(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FOrientation = 0;  // quarter turns, 0 to 3
    int32_t FFontId = 0;       // 1, 2 or 3
    TSchText FText;
};
