// Drawing helpers shared by symbols and sheets: strokes, arcs, directions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sch_objects.h"

namespace kicad {

// "(stroke (width W) (type T) (color 0 0 0 0))" for the editor's line width 0..3 and line
// style (0 solid, 1 dashed, 2 dotted); `lineStyle` < 0 writes the type "default".
std::string StrokeText(int lineWidth, int lineStyle);

// The unit step of an orientation code (0 +x, 1 +y, 2 -x, 3 -y; only the two low bits count).
qelsch::SchPoint DirectionStep(uint8_t orientation);

// An arc of the editor (centre and radius in host units, angles in degrees counter-clockwise,
// from start to end): its sweep in degrees, in (0, 360]; 360 for a full circle.
double ArcSweep(double startDegrees, double endDegrees);

// A point on the circle of an arc, in micrometres (host frame: Y up), rounded to the nearest
// micrometre; coordinates are clamped far outside any page so that no conversion overflows.
struct TArcPoint {
    int64_t X = 0;
    int64_t Y = 0;
};
TArcPoint PointOnArc(const qelsch::SchPoint& centre, int32_t radius, double degrees);

// The points of an arc drawn as a polyline, at most 10 degrees apart, start and end included.
std::vector<TArcPoint> ArcPolyline(const qelsch::SchPoint& centre, int32_t radius,
                                   double startDegrees, double sweepDegrees);

}  // namespace kicad
