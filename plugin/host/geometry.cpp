#include "host/geometry.h"

#include <cmath>

#include "platform/int_math.h"

using platform::WrapAdd;
using platform::WrapNeg;
using platform::WrapSub;

uint8_t QuarterTurns(double degrees) {
    const double turns = std::nearbyint(degrees / 90.0);
    if (!std::isfinite(turns)) return 0;
    // The low 8 bits of the (possibly huge) integer: fmod is exact on integers.
    double low = std::fmod(turns, 256.0);
    if (low < 0) low += 256.0;
    return static_cast<uint8_t>(low);
}

void RotateVector(int32_t& x, int32_t& y, uint8_t turns) {
    const int32_t x0 = x;
    const int32_t y0 = y;
    switch (turns & 3) {
        case 1:
            x = WrapNeg(y0);
            y = x0;
            break;
        case 2:
            x = WrapNeg(x0);
            y = WrapNeg(y0);
            break;
        case 3:
            x = y0;
            y = WrapNeg(x0);
            break;
        default:
            break;
    }
}

void RotateVector(TPoint& p, uint8_t turns) {
    RotateVector(p.X, p.Y, turns);
}

void RotatePointAbout(int32_t cx, int32_t cy, int32_t& x, int32_t& y, uint8_t turns) {
    int32_t dx = WrapSub(x, cx);
    int32_t dy = WrapSub(y, cy);
    RotateVector(dx, dy, turns);
    x = WrapAdd(cx, dx);
    y = WrapAdd(cy, dy);
}

void RotatePointAbout(TPoint centre, TPoint& p, uint8_t turns) {
    RotatePointAbout(centre.X, centre.Y, p.X, p.Y, turns);
}

void MirrorX(int32_t& x, int32_t& /*y*/) {
    x = WrapNeg(x);
}

void MirrorX(TPoint& p) {
    MirrorX(p.X, p.Y);
}

uint8_t OppositeOrientation(uint8_t code) {
    return static_cast<uint8_t>((code + 2) & 3);
}

uint8_t MirrorOrientation(uint8_t code) {
    const uint8_t c = code & 3;
    return (c % 2 == 0) ? static_cast<uint8_t>(c ^ 2) : c;
}

uint8_t AddOrientation(uint8_t code, uint8_t turns) {
    return static_cast<uint8_t>((code + turns) & 3);
}

void PlaceInSymbol(TPoint& p, uint8_t& orientation, TPoint origin, double rotationDegrees,
                   bool flipped) {
    const uint8_t turns = QuarterTurns(rotationDegrees);
    RotateVector(p, turns);
    orientation = AddOrientation(orientation, turns);
    if (flipped) {
        MirrorX(p);
        orientation = MirrorOrientation(orientation);
    }
    p.X = WrapAdd(p.X, origin.X);
    p.Y = WrapAdd(p.Y, origin.Y);
}

// Between a and b inclusive, in either order.
static bool Between(int32_t v, int32_t a, int32_t b) {
    return (a <= b) ? (a <= v && v <= b) : (b <= v && v <= a);
}

TPoint SnapToWire(TPoint end1, TPoint end2, TPoint anchor) {
    if (end1.X == end2.X) {
        return TPoint{end1.X, Between(anchor.Y, end1.Y, end2.Y) ? anchor.Y : end2.Y};
    }
    if (end1.Y == end2.Y) {
        return TPoint{Between(anchor.X, end1.X, end2.X) ? anchor.X : end2.X, end1.Y};
    }
    // Slanted: cross the wire's line y = m x + b1 with the line of slope -m through the anchor.
    const double x1 = end1.X;
    const double y1 = end1.Y;
    const double m = (static_cast<double>(end2.Y) - y1) / (static_cast<double>(end2.X) - x1);
    const double b1 = y1 - m * x1;
    const double n = -m;
    const double b2 = anchor.Y - n * anchor.X;
    const double xi = (b1 - b2) / (n - m);
    const double yi = m * xi + b1;
    return TPoint{platform::RoundToInt32(xi), platform::RoundToInt32(yi)};
}

void OffsetPolyline(std::vector<TPoint>& vertices, int32_t dx, int32_t dy) {
    for (TPoint& v : vertices) {
        v.X = WrapAdd(v.X, dx);
        v.Y = WrapAdd(v.Y, dy);
    }
}
