// A point on a sheet in host units (10 mil), wide enough that placing a pin (location plus a
// turned length) never overflows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace connectivity {

struct TSheetPoint {
    int64_t X = 0;
    int64_t Y = 0;
    friend bool operator==(const TSheetPoint&, const TSheetPoint&) = default;
};

struct TSheetPointHash {
    size_t operator()(const TSheetPoint& p) const {
        return std::hash<int64_t>()(p.X) * 1000003u ^ std::hash<int64_t>()(p.Y);
    }
};

}  // namespace connectivity
