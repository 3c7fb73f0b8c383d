// The 256-byte text buffers the editor fills.
#include "host/sch_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SchTextTest, SetCutsTo255BytesAndClearsTheRest) {
    TSchText text;
    text.Set(std::string(300, 'a'));
    EXPECT_EQ(text.Get(), std::string(255, 'a'));
    text.Set("bc");
    EXPECT_EQ(text.Get(), "bc");
    EXPECT_EQ(text.Data()[2], '\0');
    EXPECT_EQ(text.Data()[254], '\0');
}

TEST(SchTextTest, ABufferFilledWithoutTerminatorReadsAs255Bytes) {
    TSchText text;
    std::memset(text.Data(), 'z', TSchText::kCapacity);
    EXPECT_EQ(text.Get(), std::string(255, 'z'));
}

TEST(SchTextTest, KeepsBytesOfAnyCodePage) {
    const std::string bytes = "\xC0\xE1\xE2 \x80\xFF";
    EXPECT_EQ(TSchText(bytes).Get(), bytes);
}

}  // namespace
