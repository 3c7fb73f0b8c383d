// The six-byte real in which the editor exchanges arc angles [degrees].
//
// Byte 0 is the exponent biased by 129 (0 means the value 0); bytes 1 to 5 hold a 39-bit
// mantissa with an implicit leading one, least significant byte first; the top bit of byte 5 is
// the sign. Value = (-1)^sign * (1 + mantissa / 2^39) * 2^(exponent - 129).
#pragma once

#include "SchAPI.h"

// The nearest six-byte real (ties to even). Zero, values too small for the format and NaN give
// 0; values too large saturate to the largest magnitude of their sign.
SchReal48 Real48FromDouble(double value);
// The exact value of a six-byte real (every six-byte real fits a double).
double DoubleFromReal48(const SchReal48& value);

inline bool operator==(const SchReal48& a, const SchReal48& b) {
    for (int i = 0; i < 6; ++i)
        if (a.bytes[i] != b.bytes[i]) return false;
    return true;
}
