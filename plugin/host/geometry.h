// Orientation and placement arithmetic shared by every translation that places host objects.
//
// Coordinates are host schematic units (10 mil). Orientation codes count quarter turns
// counter-clockwise from +x: 0 = +x, 1 = +y, 2 = -x, 3 = -y; one quarter turn maps an offset
// (x, y) to (-y, x). Integer results wrap in 32 bits (two's complement), without undefined
// behaviour.
//
// Counts and codes above 3 (a rotation of 360 degrees gives 4, of -90 degrees 255) are taken
// modulo 4 everywhere: RotateVector, AddOrientation, OppositeOrientation and MirrorOrientation
// agree on what such a count means, and -90 degrees turns the same way as 270.
#pragma once

#include <cstdint>
#include <vector>

#include "host/point.h"

// Round(degrees / 90), ties to even, keeping the low 8 bits of the integer (so -90 gives 255
// and 360 gives 4). Not reduced modulo 4. NaN and infinities give 0.
uint8_t QuarterTurns(double degrees);

// Turns an offset by `turns` quarter turns counter-clockwise (modulo 4).
void RotateVector(int32_t& x, int32_t& y, uint8_t turns);
void RotateVector(TPoint& p, uint8_t turns);
// Turns a point about a centre by `turns` quarter turns.
void RotatePointAbout(int32_t cx, int32_t cy, int32_t& x, int32_t& y, uint8_t turns);
void RotatePointAbout(TPoint centre, TPoint& p, uint8_t turns);
// x becomes -x; y is not touched.
void MirrorX(int32_t& x, int32_t& y);
void MirrorX(TPoint& p);

// 0->2, 1->3, 2->0, 3->1 (codes above 3 taken modulo 4).
uint8_t OppositeOrientation(uint8_t code);
// Mirrored about the y axis: 0->2, 2->0, 1->1, 3->3 (codes above 3 taken modulo 4).
uint8_t MirrorOrientation(uint8_t code);
// (code + turns) modulo 4.
uint8_t AddOrientation(uint8_t code, uint8_t turns);

// Carries a point and an orientation code from a symbol's own frame onto the sheet for an
// instance at `origin`, rotated by `rotationDegrees` and mirrored when `flipped`: rotate, add
// the turns to the code, then mirror (point and code), then translate.
void PlaceInSymbol(TPoint& p, uint8_t& orientation, TPoint origin, double rotationDegrees,
                   bool flipped);

// Where a wire's net label goes, given the wire's end points and the anchor of the wire's name
// text: on a vertical or horizontal wire the anchor's coordinate along the wire when it lies
// within the wire, else the second end point's; on a slanted wire the crossing of the wire
// with the line of opposite slope through the anchor (not clipped to the wire).
TPoint SnapToWire(TPoint end1, TPoint end2, TPoint anchor);

// Adds (dx, dy) to every vertex.
void OffsetPolyline(std::vector<TPoint>& vertices, int32_t dx, int32_t dy);
