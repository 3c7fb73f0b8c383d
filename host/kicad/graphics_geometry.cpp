#include "graphics_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kicad_units.h"

namespace kicad {

std::string StrokeText(int lineWidth, int lineStyle) {
    // The editor's widths run from the thinnest to the thickest; KiCad's width 0 is its default.
    static const char* const kWidths[] = {"0", "0.254", "0.508", "0.762"};
    const char* width = lineWidth >= 0 && lineWidth <= 3 ? kWidths[lineWidth] : "0";
    const char* type = lineStyle == 1   ? "dash"
                       : lineStyle == 2 ? "dot"
                       : lineStyle == 0 ? "solid"
                                        : "default";
    return std::string("(stroke (width ") + width + ") (type " + type + ") (color 0 0 0 0))";
}

qelsch::SchPoint DirectionStep(uint8_t orientation) {
    switch (orientation & 3) {
        case 0:
            return {1, 0};
        case 1:
            return {0, 1};
        case 2:
            return {-1, 0};
        default:
            return {0, -1};
    }
}

double ArcSweep(double startDegrees, double endDegrees) {
    if (!std::isfinite(startDegrees) || !std::isfinite(endDegrees)) return 360;
    if (std::fabs(endDegrees - startDegrees) >= 360) return 360;
    double sweep = std::fmod(endDegrees - startDegrees, 360.0);
    if (sweep <= 0) sweep += 360;
    return sweep;
}

namespace {

int64_t ClampedMicrometres(double value) {
    constexpr double kLimit = 1e12;  // a kilometre: far outside any page
    if (!std::isfinite(value)) return 0;
    return std::llround(std::clamp(value, -kLimit, kLimit));
}

}  // namespace

TArcPoint PointOnArc(const qelsch::SchPoint& centre, int32_t radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double r = static_cast<double>(HostToMicrometres(radius));
    return {ClampedMicrometres(static_cast<double>(HostToMicrometres(centre.x)) +
                               r * std::cos(radians)),
            ClampedMicrometres(static_cast<double>(HostToMicrometres(centre.y)) +
                               r * std::sin(radians))};
}

std::vector<TArcPoint> ArcPolyline(const qelsch::SchPoint& centre, int32_t radius,
                                   double startDegrees, double sweepDegrees) {
    if (!std::isfinite(startDegrees)) startDegrees = 0;
    const int steps = std::max(1, static_cast<int>(std::ceil(sweepDegrees / 10.0)));
    std::vector<TArcPoint> points;
    for (int i = 0; i <= steps; ++i)
        points.push_back(PointOnArc(centre, radius, startDegrees + sweepDegrees * i / steps));
    return points;
}

}  // namespace kicad
