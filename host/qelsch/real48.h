// The six-byte real in which arc angles travel (see SchReal48 in sdk/SchAPI.h).
#pragma once

#include <cmath>
#include <cstdint>

#include "SchAPI.h"

namespace qelsch {

// The value of a six-byte real: exponent byte biased by 129 (0 means 0), 39-bit mantissa with an
// implicit leading one, least significant byte first, the sign in the top bit of byte 5.
inline double Real48ToDouble(const SchReal48& real) {
    const uint8_t exponent = real.bytes[0];
    if (exponent == 0) return 0.0;
    uint64_t mantissa = 0;
    for (int i = 5; i >= 1; --i) mantissa = (mantissa << 8) | real.bytes[i];
    const bool negative = (mantissa >> 39) & 1;
    mantissa &= (uint64_t{1} << 39) - 1;
    const double value =
        std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa), -39), exponent - 129);
    return negative ? -value : value;
}

}  // namespace qelsch
