// Reading the library's sections: word tables, defaults, groups read in place, registries and
// lookups by name.
#include <gtest/gtest.h>

#include <string>

#include "library_test_support.h"
#include "model/arc.h"
#include "model/attribute.h"
#include "model/component_def.h"
#include "model/ieee_symbol.h"
#include "model/library.h"
#include "model/line.h"
#include "model/pin.h"
#include "model/polygon.h"
#include "model/symbol_def.h"
#include "model/table.h"
#include "model/text.h"
#include "model/text_style.h"
#include "reader/keywords.h"

using library_test::TSectionReader;

namespace {

struct TWordCase {
    std::string Text;
    int Expected;
};

class FontWords : public ::testing::TestWithParam<TWordCase> {};

TEST_P(FontWords, TypeAndFamilyWordsGiveTheirCodes) {
    TSectionReader reader(GetParam().Text);
    auto font = reader.Read<TNimboFont>();
    EXPECT_EQ(font->FFontType * 10 + font->FFontFamily, GetParam().Expected);
}

// Expected: type * 10 + family.
INSTANTIATE_TEST_SUITE_P(
    Words, FontWords,
    ::testing::Values(TWordCase{"(font (fontType TrueType) (fontFamily Modern))", 12},
                      TWordCase{"(font (fontType STROKE) (fontFamily SANSERIF))", 1},
                      TWordCase{"(font (fontType Stroke) (fontFamily serif))", 0},
                      TWordCase{"(font (fontType Other) (fontFamily Other))", 12},
                      TWordCase{"(font (fontHeight 80))", 0}));

TEST(TextStyleReading, KeepsTheLastFontAndNoneWithoutOne) {
    TSectionReader reader(
        "(textStyleDef \"(PinStyle)\" (font (fontHeight 91.0)) (textStyleAllowTType False)"
        " (font (fontFamily Modern) (fontHeight 139.0) (strokeWidth 0.19843 mm)))");
    auto style = reader.Read<TNimboTextStyleDef>();
    EXPECT_EQ(style->FName, "(PinStyle)");
    ASSERT_NE(style->FFont, nullptr);
    EXPECT_EQ(style->FFont->FFontHeight, 14);  // 139 mil in host units
    EXPECT_EQ(style->FFont->FFontFamily, kFontFamilyOther);
    EXPECT_FALSE(style->FAllowTType);
    EXPECT_TRUE(style->FDisplayTType);

    TSectionReader plain("(textStyleDef \"plain\" (textStyleAllowTType True))");
    EXPECT_EQ(plain.Read<TNimboTextStyleDef>()->FFont, nullptr);
}

TEST(SymbolDefReading, DrawingAttributesAndUnknownGroupsEachGoTheirWay) {
    TSectionReader reader(
        "(symbolDef \"GATE_1\" (originalName \"GATE\")\r\n"
        "  (pin (pinNum 1) (pt 0 0) (pinName (text (pt 0 0) \"A\")) (pinDisplay (dispPinName "
        "True)))\r\n"
        "  (xRef (pt 1 1)) (unknownThing (a b) c)\r\n"
        "  (line (pt 0 0) (pt 100 0)) (attr \"RefDes\" \"U?\" (pt 10 20) (isVisible True))\r\n"
        "  (attr \"Value\" \"\") (attr \"REFDES\" \"second\") (text (pt 0 0) \"t\"))\r\n"
        "(next)");
    auto symbol = reader.Read<TNimboSymbolDef>();
    EXPECT_EQ(symbol->FName, "GATE_1");
    EXPECT_EQ(symbol->FOriginalName, "GATE");
    ASSERT_EQ(symbol->FDrawing.size(), 3u);
    EXPECT_EQ(symbol->FDrawing[0]->FKindName, "Pin");
    EXPECT_NE(dynamic_cast<TNimboLine*>(symbol->FDrawing[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<TNimboText*>(symbol->FDrawing[2].get()), nullptr);
    ASSERT_EQ(symbol->FAttrs.size(), 3u);

    const TNimboAttr* refDes = symbol->FindAttribute("refdes");
    ASSERT_NE(refDes, nullptr);
    EXPECT_EQ(refDes->FValue, "U?");
    EXPECT_EQ(refDes->FPt, (TPoint{1, 2}));
    EXPECT_TRUE(refDes->FIsVisible);
    EXPECT_EQ(symbol->FindAttribute("VALUE"), symbol->FAttrs[1].get());
    EXPECT_EQ(symbol->FindAttribute("Type"), nullptr);

    // The symbol took exactly its own section.
    EXPECT_EQ(reader.NextToken(), tokOpen);
    EXPECT_EQ(reader.NextToken(), tokUnknown);
    EXPECT_EQ(reader.TokenText(), "next");
}

TEST(AttachedSymbolReading, UnknownAltTypeKeepsTheModeBefore) {
    TSectionReader reader(
        "(attachedSymbol (partNum 2) (altType IEEE) (altType Other) (symbolName \"G\"))");
    auto attached = reader.Read<TNimboAttachedSymbol>();
    EXPECT_EQ(attached->FPartNum, 2);
    EXPECT_EQ(attached->FAltType, kAltIeee);
    EXPECT_EQ(attached->FSymbolName, "G");
}

TEST(ComponentDefReading, HeaderAltsGroupIsReadInPlace) {
    TSectionReader reader(
        "(compDef \"NAND\" (originalName \"NAND\")\r\n"
        "  (compHeader (sourceLibrary \"lib\") (numPins 14) (numParts 4) (composition "
        "Heterogeneous)\r\n"
        "    (alts (ieeeAlt True) (deMorganAlt TRUE) (other 1)) (refDesPrefix \"U\")\r\n"
        "    (compType Module) (compType Other) (numType Numeric))\r\n"
        "  (compPin \"1\" (pinName \"A\") (partNum 1) (symPinNum 1) (gateEq 1) (pinEq 2) "
        "(pinType Input))\r\n"
        "  (attachedPattern (patternNum 1) (patternName \"DIP14\") (numPads 14)\r\n"
        "    (padPinMap (padNum 1) (compPinRef \"A\") (padNum 2)))\r\n"
        "  (attr \"Part\" \"x\"))");
    auto def = reader.Read<TNimboCompDef>();
    EXPECT_EQ(def->FName, "NAND");
    ASSERT_NE(def->FHeader, nullptr);
    const TNimboComponentHeader& header = *def->FHeader;
    EXPECT_TRUE(header.FIeeeAlt);
    EXPECT_TRUE(header.FDeMorganAlt);
    EXPECT_EQ(header.FRefDesPrefix, "U");  // the header's loop went on after the group
    EXPECT_EQ(header.FCompType, kCompModule);
    EXPECT_EQ(header.FNumParts, 4);
    EXPECT_EQ(header.FNumPins, 14);
    EXPECT_EQ(header.FComposition, 1);
    EXPECT_EQ(header.FNumType, 1);
    EXPECT_EQ(header.FSourceLibrary, "lib");

    ASSERT_EQ(def->FCompPins.size(), 1u);
    const TNimboCompPin& pin = *def->FCompPins[0];
    EXPECT_EQ(pin.FPinDesignator, "1");
    EXPECT_EQ(pin.FPinName, "A");
    EXPECT_EQ(pin.FPinType, kPinTypeInput);
    EXPECT_EQ(pin.FPinEq, 2);

    ASSERT_EQ(def->FAttachedPatterns.size(), 1u);
    const TNimboAttachedPattern& pattern = *def->FAttachedPatterns[0];
    EXPECT_EQ(pattern.FPatternName, "DIP14");
    ASSERT_EQ(pattern.FPadPinMap.size(), 1u) << "pad 2 has no compPinRef";
    EXPECT_EQ(pattern.FPadPinMap[0]->FPadNum, 1);
    EXPECT_EQ(pattern.FPadPinMap[0]->FCompPinRef, "A");
    EXPECT_EQ(def->FAttrs.size(), 1u) << "the definition's loop went on after padPinMap";
}

class PinTypeWords : public ::testing::TestWithParam<std::pair<std::string, int>> {};

TEST_P(PinTypeWords, GiveTypeAndHostElectricalCode) {
    TSectionReader reader("(compPin \"7\" (pinType Power) (pinType " + GetParam().first + "))");
    auto pin = reader.Read<TNimboCompPin>();
    EXPECT_EQ(PinElectricalCode(pin->FPinType), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Words, PinTypeWords,
                         ::testing::Values(std::pair<std::string, int>{"Unknown", 4},
                                           std::pair{"PASSIVE", 4}, std::pair{"Input", 0},
                                           std::pair{"Output", 2}, std::pair{"Bidirectional", 1},
                                           std::pair{"OpenH", 3}, std::pair{"openl", 6},
                                           std::pair{"PassiveH", 4}, std::pair{"PassiveL", 4},
                                           std::pair{"ThreeState", 5},
                                           std::pair{"Gibberish", 7}));  // keeps "Power"

TEST(ComponentDefReading, UnknownPinTypeOfANewPinIsUnknown) {
    TSectionReader reader("(compPin \"7\" (pinType Gibberish))");
    EXPECT_EQ(PinElectricalCode(reader.Read<TNimboCompPin>()->FPinType), 4);
}

struct TLineCase {
    std::string Text;
    uint8_t End1, End2;
};

class LineEndStyles : public ::testing::TestWithParam<TLineCase> {};

TEST_P(LineEndStyles, BelongToTheEndReadJustBefore) {
    TSectionReader reader(GetParam().Text);
    auto line = reader.Read<TNimboLine>();
    EXPECT_EQ(line->FEndStyle1, GetParam().End1);
    EXPECT_EQ(line->FEndStyle2, GetParam().End2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEndStyles,
    ::testing::Values(TLineCase{"(line (endStyle LeftLead) (pt 0 0) (pt 10 0))", kEndStyleRounded,
                                kEndStyleRounded},
                      TLineCase{"(line (pt 0 0) (endStyle LeftLead) (pt 10 0) (endStyle twoleads))",
                                kEndStyleLeftLead, kEndStyleTwoLeads},
                      TLineCase{"(line (pt 0 0) (pt 10 0) (pt 20 0) (endStyle RightLead))",
                                kEndStyleRounded, kEndStyleRounded},
                      TLineCase{"(line (pt 0 0) (endStyle Bogus) (pt 1 1))", kEndStyleRounded,
                                kEndStyleRounded}));

TEST(LineReading, PointsStyleAndWidth) {
    TSectionReader reader(
        "(line (pt 0 0) (pt 100 0) (pt 200 300) (style DashedLine) (style Bogus) (width 20)"
        " (netNameRef \"N1\"))");
    auto line = reader.Read<TNimboLine>();
    EXPECT_EQ(line->FPoint1, (TPoint{0, 0}));
    EXPECT_EQ(line->FPoint2, (TPoint{20, 30}));
    EXPECT_EQ(line->FLineStyle, kLineDashed);
    EXPECT_EQ(line->FWidth, 2);
    EXPECT_EQ(line->FNetNameRef, "N1");
    TSectionReader bare("(line)");
    EXPECT_EQ(bare.Read<TNimboLine>()->FWidth, 1) << "10 mil in host units";
}

TEST(PolygonReading, KeepsEveryPoint) {
    std::string text = "(poly";
    for (int i = 0; i < 60; ++i) text += " (pt " + std::to_string(i * 10) + " 0)";
    text += " (isCopperTie True))";
    TSectionReader reader(text);
    auto poly = reader.Read<TNimboPoly>();
    ASSERT_EQ(poly->FPoints.size(), 60u);
    EXPECT_EQ(poly->FPoints.back(), (TPoint{59, 0}));
    EXPECT_TRUE(poly->FIsCopperTie);
}

TEST(TextReading, StringEscapesAndJustify) {
    TSectionReader reader(
        "(text (pt 100 200) \"first\" \"one\\rtwo\" (justify upperright) (justify Bogus)"
        " (rotation 90.0) (extent 30 40) (textStyleRef \"S\"))");
    auto text = reader.Read<TNimboText>();
    EXPECT_EQ(text->FText, "one\rtwo");
    EXPECT_EQ(text->FJustify, 2);
    EXPECT_EQ(text->FPt, (TPoint{10, 20}));
    EXPECT_EQ(text->FRotation, 90.0);
    EXPECT_EQ(text->FTextStyleRef, "S");
    TSectionReader bare("(text)");
    EXPECT_EQ(bare.Read<TNimboText>()->FJustify, kJustifyLowerLeft);
}

TEST(PinReading, NameTextDisplayAndEdgeMarks) {
    TSectionReader reader(
        "(pin (pinNum 3) (pt 100 0) (rotation 180.0) (pinLength 200)\r\n"
        "  (pinDisplay (dispPinDes False) (dispPinName True))\r\n"
        "  (pinDes (text (pt 1 2) \"3\" (justify Left)))\r\n"
        "  (pinName (text (pt 0 0) \"CLK\" (textStyleRef \"(PinStyle)\")))\r\n"
        "  (outsideEdgeStyle dOT) (insideEdgeStyle Other) (outsideStyle Dot))\r\n"
        "(after)");
    auto pin = reader.Read<TNimboPin>();
    EXPECT_EQ(pin->FPinNum, 3);
    EXPECT_EQ(pin->FPinName, "CLK");
    ASSERT_NE(pin->FPinDes, nullptr);
    EXPECT_EQ(pin->FPinDes->FText, "3");
    EXPECT_EQ(pin->FPinLength, 20);
    EXPECT_FALSE(pin->FDisplay->FShowPinDes);
    EXPECT_TRUE(pin->FDisplay->FShowPinName);
    EXPECT_TRUE(pin->FDot);
    EXPECT_FALSE(pin->FClock);
    EXPECT_EQ(reader.NextToken(), tokOpen);
    EXPECT_EQ(reader.NextToken(), tokUnknown);
    EXPECT_EQ(reader.TokenText(), "after");

    TSectionReader bare("(pin)");
    auto defaults = bare.Read<TNimboPin>();
    EXPECT_EQ(defaults->FPinLength, 30);
    EXPECT_TRUE(defaults->FDisplay->FShowPinDes);
    EXPECT_FALSE(defaults->FDisplay->FShowPinName);
}

TEST(DrawingReading, ArcIeeeSymbolAttributeAndTable) {
    TSectionReader arcText(
        "(arc (pt 100 100) (radius 50) (startAngle 30.0) (sweepAngle -60.0) (width 40))");
    auto arc = arcText.Read<TNimboArc>();
    EXPECT_EQ(arc->FPt, (TPoint{10, 10}));
    EXPECT_EQ(arc->FRadius, 5);
    EXPECT_EQ(arc->FSweepAngle, -60.0);
    EXPECT_EQ(arc->FWidth, 4);

    TSectionReader ieeeText("(ieeeSymbol \"Amplifier\" (pt 1000 1000) (height 200))");
    auto ieee = ieeeText.Read<TNimboIeeeSymbol>();
    EXPECT_EQ(ieee->FName, "Amplifier");
    EXPECT_EQ(ieee->FHeight, 20);

    TSectionReader attrText(
        "(attr \"Value\" \"10k\" (justify Center) (constraintUnits \"ohm\") (isFlipped True))");
    auto attr = attrText.Read<TNimboAttr>();
    EXPECT_EQ(attr->FValue, "10k");
    EXPECT_EQ(attr->FJustify, 4);
    EXPECT_EQ(attr->FConstraintUnits, "ohm");
    EXPECT_FALSE(attr->FIsVisible);

    TSectionReader tableText(
        "(table (tableType PowerTable) (tableInfo Bogus) (title \"T\") (width 100))");
    auto table = tableText.Read<TNimboTable>();
    EXPECT_EQ(table->FTableType, 4);
    EXPECT_EQ(table->FTableInfo, 2);
    EXPECT_EQ(table->FWidth, 10);
}

TEST(ArcLineWidth, ByWidthInHostUnits) {
    const std::pair<int32_t, uint8_t> cases[] = {{4, 3}, {3, 3},  {2, 2},   {1, 1},
                                                 {0, 0}, {-1, 1}, {-50, 1}, {INT32_MAX, 3}};
    for (auto [width, code] : cases) EXPECT_EQ(ArcLineWidth(width), code) << width;
}

TEST(IeeeSymbolSegments, SevenNamesInAnyCase) {
    const std::pair<const char*, size_t> cases[] = {
        {"Adder", 6},     {"AMPLIFIER", 3},  {"astable", 9},    {"Complex", 3},
        {"Generator", 5}, {"Hysteresis", 4}, {"Multiplier", 3}, {"Schmitt", 0}};
    for (auto [name, count] : cases) EXPECT_EQ(IeeeSymbolSegments(name).size(), count) << name;
}

// ---- the library and its registries ---------------------------------------------------------

TEST(LibraryReading, LookupsIgnoreCaseAndTheFirstRegistrationWins) {
    TSectionReader reader(
        "(library \"L\"\r\n"
        "  (textStyleDef \"(Default)\" (font (fontHeight 80)))\r\n"
        "  (symbolDef \"A\" (originalName \"B\") (line (pt 0 0) (pt 1 1)))\r\n"
        "  (symbolDef \"NoOriginal\")\r\n"
        "  (symbolDef \"X1\" (originalName \"X\") (attr \"first\" \"\"))\r\n"
        "  (symbolDef \"X2\" (originalName \"x\") (attr \"second\" \"\"))\r\n"
        "  (compDef \"R\" (originalName \"R1\")) (compDef \"r\" (originalName \"R2\"))\r\n"
        "  (compAlias \"RES\" \"R\") (symbolAlias \"S\" \"B\") (patternAlias \"P\" \"Q\")\r\n"
        "  (viaStyleDef \"V\" (holeDiam 10)) (padStyleDef \"P1\" (padShape (layerNumRef 1)))\r\n"
        "  (patternDef \"DIP\" (originalName \"DIP\") (multiLayer (pad (padNum 1))))\r\n"
        "  (compDef \"C\" (originalName \"C\")))");
    auto library = reader.Read<TNimboLibrary>();
    EXPECT_EQ(library->FName, "L");

    ASSERT_NE(library->FindSymbolDef("b"), nullptr);
    EXPECT_EQ(library->FindSymbolDef("b")->FName, "A");
    EXPECT_EQ(library->FindSymbolDef("A"), nullptr) << "symbols go by their original name";
    EXPECT_EQ(library->FindSymbolDef("NoOriginal"), nullptr);
    ASSERT_NE(library->FindSymbolDef("X"), nullptr);
    EXPECT_EQ(library->FindSymbolDef("X")->FName, "X1");

    ASSERT_NE(library->FindComponentDef("r"), nullptr);
    EXPECT_EQ(library->FindComponentDef("r")->FOriginalName, "R1");
    EXPECT_NE(library->FindComponentDef("C"), nullptr) << "read past the board definitions";
    EXPECT_EQ(library->FCompDefs.Count(), 3u);

    ASSERT_NE(library->FindTextStyle("(DEFAULT)"), nullptr);
    EXPECT_EQ(library->FindTextStyle("(DEFAULT)")->FFont->FFontHeight, 8);
    EXPECT_NE(library->FindPatternDef("dip"), nullptr);
    EXPECT_NE(library->FindPadStyleDef("p1"), nullptr);
    EXPECT_NE(library->FindViaStyleDef("v"), nullptr);

    ASSERT_EQ(library->FCompDefs.FAliases.size(), 1u);
    EXPECT_EQ(library->FCompDefs.FAliases[0], (std::pair<std::string, std::string>{"RES", "R"}));
    EXPECT_EQ(library->FSymbolDefs.FAliases.size(), 1u);
    EXPECT_EQ(library->FPatternDefs.FAliases.size(), 1u);

    // Every definition reaches the library it stands in.
    EXPECT_EQ(TNimboLibrary::Of(library->FindComponentDef("C")), library.get());
    const TNimboSymbolDef* symbol = library->FindSymbolDef("B");
    EXPECT_EQ(TNimboLibrary::Of(symbol->FDrawing.at(0).get()), library.get());
}

}  // namespace
