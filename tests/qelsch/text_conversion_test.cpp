// Code pages to UTF-8, and file names made from document names.
#include <gtest/gtest.h>

#include "code_page.h"
#include "file_names.h"

namespace {

using qelsch::CodePage;

TEST(CodePageTest, BytesBecomeUtf8AsTheCodePageSays) {
    struct Case {
        std::string bytes;
        CodePage codePage;
        std::string expected;
    };
    const Case cases[] = {
        {"\xC0\xC1\xFF", CodePage::Cp1251, "\xD0\x90\xD0\x91\xD1\x8F"},      // А Б я
        {"\xC0\xC1\xFF", CodePage::Cp1252, "\xC3\x80\xC3\x81\xC3\xBF"},      // À Á ÿ
        {"\xC0\xC1\xFF", CodePage::Auto, "\xC3\x80\xC3\x81\xC3\xBF"},        // not UTF-8: 1252
        {"\xA8\xB8\xB9", CodePage::Cp1251, "\xD0\x81\xD1\x91\xE2\x84\x96"},  // Ё ё №
        {"\x80\x9F", CodePage::Cp1252, "\xE2\x82\xAC\xC5\xB8"},              // € Ÿ
        {"\x81", CodePage::Cp1252, "\xEF\xBF\xBD"},                          // no character
        {"\x98", CodePage::Cp1251, "\xEF\xBF\xBD"},
        {"\xD0\x96-ok", CodePage::Auto, "\xD0\x96-ok"},          // valid UTF-8 stays
        {"\xD0\x96", CodePage::Cp1252, "\xC3\x90\xE2\x80\x93"},  // forced 1252
        {"a\xC0z", CodePage::Utf8, "a\xEF\xBF\xBDz"},            // repaired
        {"plain ASCII", CodePage::Cp1251, "plain ASCII"},
        {"", CodePage::Auto, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qelsch::ToUtf8(c.bytes, c.codePage), c.expected) << c.bytes;
        EXPECT_TRUE(qelsch::IsValidUtf8(qelsch::ToUtf8(c.bytes, c.codePage)));
    }
}

TEST(CodePageTest, OnlyWellFormedUtf8CountsAsUtf8) {
    EXPECT_TRUE(qelsch::IsValidUtf8("\xF0\x9F\x98\x80"));   // U+1F600
    EXPECT_FALSE(qelsch::IsValidUtf8("\xC0\x80"));          // overlong NUL
    EXPECT_FALSE(qelsch::IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(qelsch::IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(qelsch::IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_FALSE(qelsch::IsValidUtf8("\x80"));              // lone continuation
}

TEST(CodePageTest, OptionNames) {
    EXPECT_EQ(qelsch::ParseCodePage("auto"), CodePage::Auto);
    EXPECT_EQ(qelsch::ParseCodePage("1251"), CodePage::Cp1251);
    EXPECT_EQ(qelsch::ParseCodePage("Windows-1252"), CodePage::Cp1252);
    EXPECT_EQ(qelsch::ParseCodePage("UTF-8"), CodePage::Utf8);
    EXPECT_EQ(qelsch::ParseCodePage("latin1"), std::nullopt);
    EXPECT_EQ(qelsch::ParseCodePage(""), std::nullopt);
}

TEST(FileNameTest, StemsStayInsideTheFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"Sheet1", "Sheet1"},
        {"a/b\\c", "a_b_c"},
        {"x:y*z?\"<>|", "x_y_z_____"},
        {"ctl\x01\x1F\x7F", "ctl___"},
        {"..", "document"},
        {".", "document"},
        {"", "document"},
        {"  ", "document"},
        {".hidden", "hidden"},
        {"../../etc/passwd", "_.__etc_passwd"},
        {"a..b...c", "a._b.__c"},
        {"x/../y", "x_.__y"},
        {"name. ", "name"},
        {"Design.prj", "Design.prj"},
        {"\xD0\x9F\xD0\xB8", "\xD0\x9F\xD0\xB8"},
    };
    for (const auto& [name, expected] : cases) {
        const std::string stem = qelsch::SafeFileStem(name);
        EXPECT_EQ(stem, expected) << name;
        EXPECT_EQ(stem.find('/'), std::string::npos);
        EXPECT_EQ(stem.find(".."), std::string::npos);
    }
}

TEST(FileNameTest, LongNamesAreCutOnACharacterBoundary) {
    std::string name;
    for (int i = 0; i < 100; ++i) name += "\xD0\x96";  // 200 bytes of two-byte characters
    const std::string stem = qelsch::SafeFileStem(name);
    EXPECT_LE(stem.size(), 120u);
    EXPECT_EQ(stem.size() % 2, 0u);
    EXPECT_EQ(qelsch::SafeFileStem(std::string(300, 'a')), std::string(120, 'a'));
}

TEST(FileNameTest, ClaimedNamesAreUniqueWithoutRegardToCase) {
    qelsch::UniqueFileNames names;
    EXPECT_EQ(names.Claim("Sheet", ".json"), "Sheet.json");
    EXPECT_EQ(names.Claim("sheet", ".json"), "sheet-2.json");
    EXPECT_EQ(names.Claim("SHEET", ".json"), "SHEET-3.json");
    EXPECT_EQ(names.Claim("Sheet-2", ".json"), "Sheet-2-2.json");
    EXPECT_EQ(names.Claim("Sheet", ".svg"), "Sheet.svg");
}

}  // namespace
