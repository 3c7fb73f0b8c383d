#include "xml_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "svg_canvas.h"

namespace {

TEST(XmlEscapeTest, KeepsTextWellFormedWhateverItHolds) {
    struct Case {
        std::string Input;
        std::string Expected;
    };
    const Case cases[] = {
        {"R1 & <C2> \"x\" 'y'", "R1 &amp; &lt;C2&gt; &quot;x&quot; &#39;y&#39;"},
        {"\xD0\x90\xD0\x91", "\xD0\x90\xD0\x91"},  // Cyrillic stays
        {"a\x01"
         "b\x1F",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},                                         // control characters
        {"tab\tline\r\n", "tab\tline\r\n"},                        // allowed ones stay
        {"\xFF\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // malformed, overlong
        {"\xEF\xBF\xBE", "\xEF\xBF\xBD"},                          // U+FFFE is not XML
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // cut sequence at the end
        {"\xF0\x9F\x94\x8C", "\xF0\x9F\x94\x8C"},                  // outside the basic plane
    };
    for (const Case& c : cases) EXPECT_EQ(view::XmlEscape(c.Input), c.Expected) << c.Input;
}

TEST(SvgNumbersTest, NumbersAndColoursAreWrittenTheSameEverywhere) {
    struct Case {
        double Value;
        std::string Text;
    };
    const Case cases[] = {{0, "0"},     {-0.001, "0"},     {2.5, "2.5"},
                          {-30, "-30"}, {1.0 / 3, "0.33"}, {123456789, "123456789"},
                          {NAN, "0"},   {INFINITY, "0"},   {-2147483648.0, "-2147483648"}};
    for (const Case& c : cases) EXPECT_EQ(view::NumberText(c.Value), c.Text) << c.Value;
    EXPECT_EQ(view::ColorText(0x000000FF), "#ff0000");  // 0x00BBGGRR: red
    EXPECT_EQ(view::ColorText(0x00800000), "#000080");
    EXPECT_EQ(view::ColorText(0xFF123456), "#563412");  // the top byte is not a colour
}

}  // namespace
