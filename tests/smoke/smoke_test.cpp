#include <gtest/gtest.h>

#include "SchAPI.h"

TEST(Sdk, KindCodesMatchTheHost) {
    EXPECT_EQ(kSchKindWire, 54);
    EXPECT_EQ(kSchKindNone, 57);
}
