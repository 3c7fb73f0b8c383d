// The six-byte real in which arc angles travel.
#include "host/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TEncoding {
    double Value;
    SchReal48 Bytes;
};

TEST(Real48Test, KnownValuesHaveTheirExactBytes) {
    const TEncoding cases[] = {
        {0, {{0, 0, 0, 0, 0, 0}}},         {1, {{0x81, 0, 0, 0, 0, 0}}},
        {-1, {{0x81, 0, 0, 0, 0, 0x80}}},  {90, {{0x87, 0, 0, 0, 0, 0x34}}},   // 1.40625 * 2^6
        {-45, {{0x86, 0, 0, 0, 0, 0xB4}}},                                     // -1.40625 * 2^5
        {0.5, {{0x80, 0, 0, 0, 0, 0}}},    {270, {{0x89, 0, 0, 0, 0, 0x07}}},  // 1.0546875 * 2^8
        {360, {{0x89, 0, 0, 0, 0, 0x34}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Real48FromDouble(c.Value), c.Bytes) << c.Value;
        EXPECT_EQ(DoubleFromReal48(c.Bytes), c.Value) << c.Value;
    }
}

TEST(Real48Test, AnglesRoundTripToThe39BitMantissa) {
    for (double angle :
         {0.0, 90.0, -45.0, 359.999, 1e-3, -1e-3, 0.1, 123.456789, -359.999999, 1e-30, 7e25}) {
        const double back = DoubleFromReal48(Real48FromDouble(angle));
        EXPECT_NEAR(back, angle, std::fabs(angle) * 0x1p-39) << angle;
        // Converting the converted value again changes nothing.
        EXPECT_EQ(Real48FromDouble(back), Real48FromDouble(angle)) << angle;
    }
}

TEST(Real48Test, MantissaRoundsToNearestAndCarriesIntoTheExponent) {
    // Just below 2 rounds up to exactly 2: the mantissa overflows into the exponent.
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(std::nextafter(2.0, 0.0))), 2.0);
    // Half a unit of the last place above 1 is a tie and goes to even (1).
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(1 + 0x1p-40)), 1.0);
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(1 + 0x1p-40 + 0x1p-50)), 1 + 0x1p-39);
}

TEST(Real48Test, OutOfRangeValuesAreDefined) {
    const double largest = DoubleFromReal48(SchReal48{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}});
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(1e300)), largest);
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(-std::numeric_limits<double>::infinity())),
              -largest);
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(1e-300)), 0.0);
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(std::numeric_limits<double>::quiet_NaN())), 0.0);
    EXPECT_EQ(DoubleFromReal48(Real48FromDouble(0x1p-128)), 0x1p-128);  // the smallest
}

}  // namespace
