// Integer arithmetic with defined results where the plain operators would overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Rounds to the nearest integer, ties to even, and saturates to the 32-bit range;
// NaN gives 0. A double outside the range never reaches an integer conversion.
inline int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (rounded <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

// 32-bit two's complement arithmetic that wraps (keeps the low 32 bits).
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t WrapNeg(int32_t a) {
    return static_cast<int32_t>(0u - static_cast<uint32_t>(a));
}

}  // namespace platform
