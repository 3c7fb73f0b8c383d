// Texts, graphics and pins drawn by a symbol definition into a library component, as the
// reference editor holds them afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library_test_support.h"
#include "real48.h"

namespace {

using qelsch::SchPoint;

class DrawingImport : public library_test::LibraryImport {
  protected:
    // Imports one component "C" whose single part is drawn by a symbol holding `drawing`
    // (lengths in mil: 100 is 10 host units), with the text styles `styles`.
    const qelsch::LibraryComponent& Draw(const std::string& drawing,
                                         const std::string& styles = "") {
        ImportLibrary(styles + "(symbolDef \"S\" (originalName \"S\") " + drawing +
                      ")(compDef \"C\" (originalName \"C\") (compHeader (numParts 1))"
                      "(attachedSymbol (partNum 1) (altType Normal) (symbolName \"S\")))");
        const qelsch::LibraryComponent* component = Component("C");
        if (component == nullptr) {
            ADD_FAILURE() << "no component";
            static const qelsch::LibraryComponent none;
            return none;
        }
        return *component;
    }
};

// Font 1 measures 6 x 10 host units per character, font 2 7 x 12.
TEST_F(DrawingImport, TextJustificationMovesTheAnchorByTheMeasuredExtent) {
    struct TCase {
        std::string Justify;
        SchPoint Expected;
    } const cases[] = {
        {"LowerLeft", {100, 100}}, {"Right", {70, 95}},       {"UpperCenter", {85, 90}},
        {"Center", {85, 95}},      {"LowerRight", {70, 100}}, {"UpperLeft", {100, 90}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Justify);
        const auto& component = Draw("(text (pt 1000 1000) \"ABCDE\" (justify " + c.Justify + "))");
        const auto texts = Drawn<qelsch::Annotation>(component, 1);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0]->text, "ABCDE");
        EXPECT_EQ(texts[0]->location, c.Expected);
        TearDown();
        SetUp();
    }
}

TEST_F(DrawingImport, MultiLineTextStepsDownByTheStyleFontHeight) {
    const auto& component =
        Draw("(text (pt 1000 1000) \"AB\\r\\nCDEF\\rG\" (justify UpperRight) (textStyleRef \"s\"))",
             "(textStyleDef \"S\" (font (fontFamily Sanserif) (fontHeight 80)))");
    const auto texts = Drawn<qelsch::Annotation>(component, 1);
    ASSERT_EQ(texts.size(), 3u);
    const std::vector<std::string> lines = {"AB", "CDEF", "G"};
    const std::vector<SchPoint> at = {
        {100 - 14, 100 - 12}, {100 - 28, 92 - 12}, {100 - 7, 84 - 12}};
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]->text, lines[i]);
        EXPECT_EQ(texts[i]->fontId, 2);
        EXPECT_EQ(texts[i]->location, at[i]) << i;
    }
}

TEST_F(DrawingImport, TextFontIdByFamilyAndLinesWithoutStyleShareThePoint) {
    const auto& component = Draw(
        "(text (pt 0 0) \"a\" (textStyleRef \"Serif\"))"
        "(text (pt 0 0) \"b\" (textStyleRef \"Other\"))"
        "(text (pt 0 0) \"c\" (textStyleRef \"NoFont\"))"
        "(text (pt 500 500) \"x\\ry\\nz\" (rotation 90.0))",
        "(textStyleDef \"Serif\" (font (fontFamily Serif)))"
        "(textStyleDef \"Other\" (font (fontFamily Decorative)))"
        "(textStyleDef \"NoFont\")");
    const auto texts = Drawn<qelsch::Annotation>(component, 1);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0]->fontId, 3);
    EXPECT_EQ(texts[1]->fontId, 1);
    EXPECT_EQ(texts[2]->fontId, 1) << "host default";
    EXPECT_EQ(texts[3]->text, "x");
    EXPECT_EQ(texts[4]->text, "y\nz") << "a line feed alone ends no line";
    EXPECT_EQ(texts[3]->location, texts[4]->location);
    EXPECT_EQ(texts[3]->orientation, 1);
}

TEST_F(DrawingImport, ArcAnglesAndLineWidths) {
    const auto& component = Draw(
        "(arc (pt 1000 500) (radius 300) (startAngle 30.0) (sweepAngle -60.0) (width 40))"
        "(arc (pt 0 0) (radius 10) (startAngle 0) (sweepAngle 90) (width 0))"
        "(arc (pt 0 0) (radius 10) (width -10))"
        "(arc (pt 0 0) (radius 10) (width 20))");
    const auto arcs = Drawn<qelsch::Arc>(component, 1);
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(arcs[0]->location, (SchPoint{100, 50}));
    EXPECT_EQ(arcs[0]->radius, 30);
    EXPECT_DOUBLE_EQ(qelsch::Real48ToDouble(arcs[0]->startAngle), 30.0);
    EXPECT_DOUBLE_EQ(qelsch::Real48ToDouble(arcs[0]->endAngle), -30.0);
    EXPECT_EQ(arcs[0]->lineWidth, 3);
    EXPECT_DOUBLE_EQ(qelsch::Real48ToDouble(arcs[1]->endAngle), 90.0);
    EXPECT_EQ(arcs[1]->lineWidth, 0);
    EXPECT_EQ(arcs[2]->lineWidth, 1);
    EXPECT_EQ(arcs[3]->lineWidth, 2);
}

TEST_F(DrawingImport, LineEndsAndHostStyles) {
    const auto& component = Draw(
        "(line (pt 0 0) (pt 100 200))"
        "(line (pt 0 0) (pt 10 10) (style DottedLine))"
        "(line (pt 0 0) (pt 10 10) (style DashedLine))");
    const auto lines = Drawn<qelsch::Line>(component, 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->corner, (SchPoint{0, 0}));
    EXPECT_EQ(lines[0]->location, (SchPoint{10, 20}));
    EXPECT_EQ(lines[0]->lineStyle, 0);
    EXPECT_EQ(lines[1]->lineStyle, 2);
    EXPECT_EQ(lines[2]->lineStyle, 1);
}

TEST_F(DrawingImport, PolygonKeepsEveryPoint) {
    std::string poly = "(poly";
    for (int i = 0; i < 75; ++i)
        poly += " (pt " + std::to_string(i * 10) + " " + std::to_string(i % 2 * 100) + ")";
    const auto& component = Draw(poly + ")");
    const auto polygons = Drawn<qelsch::Polygon>(component, 1);
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0]->vertices.size(), 75u);
    EXPECT_EQ(polygons[0]->vertices[74], (SchPoint{74, 0}));
    EXPECT_EQ(polygons[0]->vertices[1], (SchPoint{1, 10}));
    EXPECT_EQ(polygons[0]->lineWidth, 1);
}

TEST_F(DrawingImport, IeeeAmplifierScaledAndTurned) {
    const auto& component = Draw(
        "(ieeeSymbol \"Amplifier\" (pt 1000 1000) (height 200))"
        "(ieeeSymbol \"AMPLIFIER\" (pt 1000 1000) (height 200) (rotation 90.0))"
        "(ieeeSymbol \"Schmitt\" (pt 0 0) (height 200))");
    const auto lines = Drawn<qelsch::Line>(component, 1);
    ASSERT_EQ(lines.size(), 6u) << "the unknown symbol draws nothing";
    const std::vector<std::pair<SchPoint, SchPoint>> expected = {
        {{100, 100}, {100, 120}}, {{100, 120}, {120, 110}}, {{120, 110}, {100, 100}},
        {{100, 100}, {80, 100}},  {{80, 100}, {90, 120}},   {{90, 120}, {100, 100}}};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]->location, expected[i].first) << i;
        EXPECT_EQ(lines[i]->corner, expected[i].second) << i;
        EXPECT_EQ(lines[i]->color, 255u);
    }
}

TEST_F(DrawingImport, IeeeScalingRoundsHalvesToEven) {
    // Height 15: 15 * 5 / 10 = 7.5 gives 8, 15 * 10 / 10 = 15; height 5: 5 * 5 / 10 = 2.5 gives 2.
    const auto& component = Draw(
        "(ieeeSymbol \"Amplifier\" (pt 0 0) (height 150))"
        "(ieeeSymbol \"Amplifier\" (pt 0 0) (height 50))");
    const auto lines = Drawn<qelsch::Line>(component, 1);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1]->corner, (SchPoint{15, 8}));
    EXPECT_EQ(lines[4]->corner, (SchPoint{5, 2}));
}

TEST_F(DrawingImport, PinsCarryTheirNumberAndDisplay) {
    const auto& component = Draw(
        "(pin (pinNum 3) (pt 100 0) (rotation 180.0) (pinLength 200)"
        "  (pinDisplay (dispPinDes False) (dispPinName True)) (outsideEdgeStyle Dot)"
        "  (insideEdgeStyle clock) (pinName (text (pt 0 0) \"CLK\")))"
        "(pin (pinNum 4) (rotation 360.0))"
        "(pin (pinNum 5) (rotation -90.0))"
        "(pin (pinNum 6) (rotation 270.0))"
        "(pin (pinNum x))");
    const auto pins = Drawn<qelsch::Pin>(component, 1);
    ASSERT_EQ(pins.size(), 5u);
    EXPECT_EQ(pins[0]->name, "3");
    EXPECT_EQ(pins[0]->designator, "3");
    EXPECT_EQ(pins[0]->location, (SchPoint{10, 0}));
    EXPECT_EQ(pins[0]->orientation, 2);
    EXPECT_EQ(pins[0]->length, 20);
    EXPECT_EQ(pins[0]->showDesignator, 0);
    EXPECT_EQ(pins[0]->showName, 1);
    EXPECT_EQ(pins[0]->dot, 1);
    EXPECT_EQ(pins[0]->clock, 1);
    EXPECT_EQ(pins[1]->orientation, 0) << "360 degrees keeps the host's default";
    EXPECT_EQ(pins[2]->orientation, 0) << "-90 degrees keeps the host's default";
    EXPECT_EQ(pins[3]->orientation, 3);
    EXPECT_EQ(pins[1]->length, 30);
    EXPECT_EQ(pins[1]->showDesignator, 1);
    EXPECT_EQ(pins[1]->showName, 0);
    EXPECT_EQ(pins[4]->name, "-32000");
}

TEST_F(DrawingImport, AttributesFieldsAndTablesDrawNothing) {
    const auto& component = Draw(
        "(attr \"RefDes\" \"U?\" (pt 0 0) (isVisible True))"
        "(field (pt 0 0) \"sample\")"
        "(table (tableType noteTable) (pt 0 0))");
    EXPECT_EQ(DrawnCount(component, 1), 0u);
}

}  // namespace
