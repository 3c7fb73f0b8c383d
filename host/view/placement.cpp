#include "placement.h"

#include <algorithm>

namespace view {

TPointD RotateQuarterTurns(TPointD offset, uint8_t orientation) {
    for (int turn = 0; turn < (orientation & 3); ++turn) offset = {-offset.Y, offset.X};
    return offset;
}

TPointD DirectionVector(uint8_t orientation) {
    return RotateQuarterTurns({1, 0}, orientation);
}

TBox TBox::Spanning(TPointD a, TPointD b) {
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TBox TBox::United(const TBox& other) const {
    return {std::min(X1, other.X1), std::min(Y1, other.Y1), std::max(X2, other.X2),
            std::max(Y2, other.Y2)};
}

TPlacement TPlacement::Of(const qelsch::Part& part) {
    return {ToPointD(part.location), part.orientation, part.mirrored != 0};
}

TPointD TPlacement::Apply(TPointD local) const {
    TPointD turned = RotateQuarterTurns(local, Orientation);
    if (Mirrored) turned.X = -turned.X;
    return {turned.X + Offset.X, turned.Y + Offset.Y};
}

uint8_t TPlacement::ApplyToDirection(uint8_t orientation) const {
    const uint8_t turned = (orientation + Orientation) & 3;
    if (!Mirrored) return turned;
    return (turned == 0 || turned == 2) ? turned ^ 2 : turned;
}

TBox TPlacement::Apply(const TBox& local) const {
    return TBox::Spanning(Apply(TPointD{local.X1, local.Y1}), Apply(TPointD{local.X2, local.Y2}));
}

double TPlacement::ApplyToAngle(double degrees) const {
    const double turned = degrees + 90.0 * (Orientation & 3);
    return Mirrored ? 180.0 - turned : turned;
}

}  // namespace view
