#include "host/real48.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kExponentBias = 129;
constexpr int kMantissaBits = 39;
constexpr uint64_t kMantissaLimit = uint64_t{1} << kMantissaBits;
constexpr uint8_t kSignBit = 0x80;

SchReal48 Pack(uint8_t exponent, uint64_t mantissa, bool negative) {
    SchReal48 result{};
    result.bytes[0] = exponent;
    for (int i = 1; i <= 5; ++i) {
        result.bytes[i] = static_cast<uint8_t>(mantissa & 0xFF);
        mantissa >>= 8;
    }
    if (negative) result.bytes[5] |= kSignBit;
    return result;
}

}  // namespace

SchReal48 Real48FromDouble(double value) {
    if (value == 0 || std::isnan(value)) return SchReal48{};
    const bool negative = std::signbit(value);
    if (std::isinf(value)) return Pack(255, kMantissaLimit - 1, negative);

    // |value| = fraction * 2^exponent with fraction in [0.5, 1) = (1 + m) * 2^(exponent - 1).
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    // Exact in a double; nearbyint rounds ties to even in the default rounding mode.
    auto mantissa = static_cast<uint64_t>(std::nearbyint((2 * fraction - 1) * kMantissaLimit));
    int biased = exponent - 1 + kExponentBias;
    if (mantissa == kMantissaLimit) {  // rounded up to the next power of two
        mantissa = 0;
        ++biased;
    }
    if (biased < 1) return SchReal48{};  // below the smallest magnitude
    if (biased > 255) return Pack(255, kMantissaLimit - 1, negative);
    return Pack(static_cast<uint8_t>(biased), mantissa, negative);
}

double DoubleFromReal48(const SchReal48& value) {
    const int exponent = value.bytes[0];
    if (exponent == 0) return 0;
    uint64_t mantissa = value.bytes[5] & ~kSignBit;
    for (int i = 4; i >= 1; --i) mantissa = (mantissa << 8) | value.bytes[i];
    const double magnitude =
        std::ldexp(1 + static_cast<double>(mantissa) / static_cast<double>(kMantissaLimit),
                   exponent - kExponentBias);
    return (value.bytes[5] & kSignBit) ? -magnitude : magnitude;
}
