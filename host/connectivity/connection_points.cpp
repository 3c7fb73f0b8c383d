#include "connection_points.h"

namespace connectivity {

namespace {

// Quarter turns counter-clockwise; only the two low bits of an orientation count.
TSheetPoint Turned(TSheetPoint offset, uint8_t orientation) {
    for (int turn = 0; turn < (orientation & 3); ++turn) offset = {-offset.Y, offset.X};
    return offset;
}

}  // namespace

TSheetPoint ToSheetPoint(qelsch::SchPoint point) {
    return {point.x, point.y};
}

TSheetPoint PlacedPinEnd(const qelsch::Part& part, const qelsch::Pin& pin) {
    const TSheetPoint reach = Turned({pin.length, 0}, pin.orientation);
    TSheetPoint end =
        Turned({pin.location.x + reach.X, pin.location.y + reach.Y}, part.orientation);
    if (part.mirrored) end.X = -end.X;
    return {end.X + part.location.x, end.Y + part.location.y};
}

std::array<TSheetPoint, 2> PortEnds(const qelsch::Port& port) {
    const TSheetPoint start = ToSheetPoint(port.location);
    const bool vertical = (port.style & 7) >= 4;
    const TSheetPoint end = vertical ? TSheetPoint{start.X, start.Y + port.width}
                                     : TSheetPoint{start.X + port.width, start.Y};
    return {start, end};
}

}  // namespace connectivity
