// Where drawn graphics land: a point of a library component's own frame carried onto a sheet as
// the editor places a part (turned by its orientation, then mirrored in x, then moved to its
// location). The identity placement draws sheet objects where they are.
//
// All coordinates are host units (10 mil), Y up; doubles, so that no sum or negation of 32-bit
// host coordinates can overflow.
#pragma once

#include <cstdint>

#include "sch_objects.h"

namespace view {

struct TPointD {
    double X = 0;
    double Y = 0;
};

inline TPointD ToPointD(const qelsch::SchPoint& point) {
    return {static_cast<double>(point.x), static_cast<double>(point.y)};
}

// An offset turned by quarter turns counter-clockwise (only the two low bits count, as in the
// editor's extents).
TPointD RotateQuarterTurns(TPointD offset, uint8_t orientation);

// The unit vector of an orientation code: 0 +x, 1 +y, 2 -x, 3 -y.
TPointD DirectionVector(uint8_t orientation);

// An axis-aligned box in host units: (X1, Y1) lower left, (X2, Y2) upper right.
struct TBox {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;

    static TBox Spanning(TPointD a, TPointD b);
    TBox United(const TBox& other) const;
    TBox Grown(double margin) const { return {X1 - margin, Y1 - margin, X2 + margin, Y2 + margin}; }
    double Width() const { return X2 - X1; }
    double Height() const { return Y2 - Y1; }
};

struct TPlacement {
    TPointD Offset;
    uint8_t Orientation = 0;  // quarter turns counter-clockwise
    bool Mirrored = false;    // mirrored in x after the turn

    static TPlacement Of(const qelsch::Part& part);

    TPointD Apply(TPointD local) const;
    TPointD Apply(const qelsch::SchPoint& local) const { return Apply(ToPointD(local)); }
    // The placed direction of an orientation code (a pin's, a power object's).
    uint8_t ApplyToDirection(uint8_t orientation) const;
    // The placed box of a local box.
    TBox Apply(const TBox& local) const;
    // An angle in degrees counter-clockwise from +x, placed; a mirror also reverses the turning
    // sense, so callers swap start and end of an arc when `Mirrored`.
    double ApplyToAngle(double degrees) const;
};

}  // namespace view
