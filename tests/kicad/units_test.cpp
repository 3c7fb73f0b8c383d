// Lengths, texts and UUIDs as they go into KiCad's files.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "kicad_units.h"
#include "sexpr_reader.h"
#include "sexpr_text.h"
#include "stable_uuid.h"

namespace kicad {
namespace {

TEST(KicadUnits, MillimetreTextIsExactForEveryHostUnit) {
    const struct {
        int64_t Micrometres;
        const char* Text;
    } cases[] = {{0, "0"},
                 {254, "0.254"},
                 {-254, "-0.254"},
                 {2540, "2.54"},
                 {12700, "12.7"},
                 {1000, "1"},
                 {-1, "-0.001"},
                 {203200, "203.2"},
                 {std::numeric_limits<int64_t>::min(), "-9223372036854775.808"}};
    for (const auto& c : cases) EXPECT_EQ(MmText(c.Micrometres), c.Text) << c.Micrometres;
    // Every host coordinate of a 32-bit range survives the trip through the text.
    for (int64_t host :
         {int64_t{1}, int64_t{3}, int64_t{-7}, int64_t{INT32_MAX}, int64_t{INT32_MIN}}) {
        auto back = ParseMicrometres(MmText(HostToMicrometres(host)));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, host * 254);
    }
}

TEST(KicadUnits, SheetFrameTurnsYOnce) {
    const TSheetFrame frame{203200};  // a page 800 host units high
    EXPECT_EQ(frame.Place(0, 800), (TKiPoint{0, 0}));
    EXPECT_EQ(frame.Place(10, 0), (TKiPoint{2540, 203200}));
    EXPECT_EQ(frame.Place(-5, 900), (TKiPoint{-1270, -25400}));
}

TEST(SexprText, QuotingEscapesAndLineEnds) {
    EXPECT_EQ(Quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(Quoted("one\r\ntwo\rthree\nfour"), "\"one\\ntwo\\nthree\\nfour\"");
    EXPECT_EQ(Quoted(std::string("x\0y\x01", 4)), "\"xy\"");
    std::string problem;
    auto parsed = ParseSexpr("(t " + Quoted("a\"b\\c\nd") + ")", problem);
    ASSERT_TRUE(parsed) << problem;
    EXPECT_EQ(parsed->AtomAt(1), "a\"b\\c\nd");
}

TEST(SexprText, SymbolNamesKeepNoCharacterALibraryIdRejects) {
    EXPECT_EQ(SafeSymbolName("LM358"), "LM358");
    EXPECT_EQ(SafeSymbolName("A:B/C D\"E{F}\\"), "A_B_C_D_E_F__");
    EXPECT_EQ(SafeSymbolName(""), "_");
}

TEST(SexprReader, RejectsMalformedText) {
    std::string problem;
    for (const char* text : {"(a (b)", "(a))", ")", "", "(a \"open)", "(a) b"})
        EXPECT_FALSE(ParseSexpr(text, problem)) << text;
    std::string deep(1000, '(');
    EXPECT_FALSE(ParseSexpr(deep + std::string(1000, ')'), problem));
}

TEST(StableUuid, SameKeySameUuidOtherKeyOther) {
    EXPECT_EQ(StableUuid("sheet/1"), StableUuid("sheet/1"));
    EXPECT_NE(StableUuid("sheet/1"), StableUuid("sheet/2"));
    const std::string uuid = StableUuid("x");
    ASSERT_EQ(uuid.size(), 36u);
    EXPECT_EQ(uuid[14], '4');
    EXPECT_EQ(uuid[8], '-');
}

}  // namespace
}  // namespace kicad
