// Extents of objects in host units, as SchAPI_GetObjectBoundingRectangle reports them.
#pragma once

#include <cstdint>
#include <optional>

#include "SchAPI.h"

namespace qelsch {

class ObjectStore;
struct SchObject;

// An axis-aligned rectangle in host units: (x1, y1) lower left, (x2, y2) upper right.
struct Rect {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Half the side of the box given to a part whose library graphics cannot be found, host units.
inline constexpr int32_t kPartFallbackHalfSize = 10;

// The extent of an object; nullopt for a kind without geometry. A part's extent is the union of
// the normal-mode graphics of the library component part it names (the first component made in
// an open library whose name equals the part's library reference without regard to case), placed
// with the part's location, orientation and mirror; when the component is not found, a box of
// kPartFallbackHalfSize around its location.
std::optional<Rect> ObjectBoundingRectangle(const ObjectStore& store, const SchObject& object);

}  // namespace qelsch
