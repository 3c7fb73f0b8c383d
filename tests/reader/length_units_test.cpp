#include "reader/length_units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(LengthUnits, MilToInternalRoundsTiesToEven) {
    EXPECT_EQ(MilToInternal(1.0), 10000);
    EXPECT_EQ(MilToInternal(-2.5), -25000);
    EXPECT_EQ(MilToInternal(0.00005), 0);   // 0.5 -> 0
    EXPECT_EQ(MilToInternal(0.00025), 2);   // 2.5 -> 2
    EXPECT_EQ(MilToInternal(-0.00005), 0);  // -0.5 -> 0
    EXPECT_EQ(MilToInternal(0.000075), 1);  // 0.75 -> 1
}

TEST(LengthUnits, MMToInternal) {
    EXPECT_EQ(MMToInternal(1.0), 393701);  // 393700.787...
    EXPECT_EQ(MMToInternal(2.54), 1000000);
    EXPECT_EQ(MMToInternal(25.4), 10000000);
    EXPECT_EQ(MMToInternal(-0.0254), -10000);
    EXPECT_EQ(MMToInternal(3.04561), 1199059);  // a value that real files carry
}

TEST(LengthUnits, InternalToMilKeepsThreeDecimals) {
    EXPECT_DOUBLE_EQ(InternalToMil(393701), 39.37);
    EXPECT_DOUBLE_EQ(InternalToMil(12345678), 1234.568);
    EXPECT_DOUBLE_EQ(InternalToMil(-15000), -1.5);
    EXPECT_DOUBLE_EQ(InternalToMil(-12344), -1.234);
    EXPECT_DOUBLE_EQ(InternalToMil(5), 0.0);
}

TEST(LengthUnits, InternalToSchematicRoundsTiesToEven) {
    EXPECT_EQ(InternalToSchematic(150000), 2);  // 1.5
    EXPECT_EQ(InternalToSchematic(250000), 2);  // 2.5
    EXPECT_EQ(InternalToSchematic(-150000), -2);
    EXPECT_EQ(InternalToSchematic(350000), 4);
    EXPECT_EQ(InternalToSchematic(49999), 0);
}

// Lengths beyond the 32-bit internal range saturate; NaN reads as 0.
TEST(LengthUnits, OutOfRangeSaturates) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(MilToInternal(1e300), kMax);
    EXPECT_EQ(MilToInternal(-1e300), kMin);
    EXPECT_EQ(MilToInternal(214748.3647), kMax);
    EXPECT_EQ(MilToInternal(214748.3648), kMax);
    EXPECT_EQ(MMToInternal(1e30), kMax);
    EXPECT_EQ(MMToInternal(-1e30), kMin);
    EXPECT_EQ(MilToInternal(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(MilToInternal(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(InternalToSchematic(kMax), 21475);
    EXPECT_EQ(InternalToSchematic(kMin), -21475);
}

}  // namespace
