// A point on a sheet or in a symbol's frame, in host units (10 mil) unless a caller says
// otherwise; Y grows upwards, as in the host.
#pragma once

#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};
