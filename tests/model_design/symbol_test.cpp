// Symbol instances: parts with their texts, power objects, link components and sheet
// connectors, imported into the reference editor.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design_import.h"

namespace design_test {
namespace {

using qelsch::SchPoint;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Symbol "GATE": one pin and the attributes given; components of each type drawn by it.
std::string Library(
    std::string_view gateAttrs,
    std::string_view pin = "(pin (pinNum 1) (pt 0 0) (rotation 0) (pinLength 200))") {
    return "(symbolDef \"GATE\" (originalName \"GATE\") " + std::string(pin) +
           std::string(gateAttrs) +
           ")\n"
           "(compDef \"NORMAL\" (compHeader (compType Normal)) (attachedSymbol (partNum 1) "
           "(symbolName \"GATE\")) (compPin \"1\" (pinName \"VCC\") (partNum 1) (symPinNum 1)))\n"
           "(compDef \"POWER\" (compHeader (compType Power)) (attachedSymbol (partNum 1) "
           "(symbolName \"GATE\")) (compPin \"1\" (pinName \"VCC\") (partNum 1) (symPinNum 1)))\n"
           "(compDef \"LINK\" (compHeader (compType Link)) (attachedSymbol (partNum 1) "
           "(symbolName \"GATE\")) (compPin \"1\" (pinName \"DATA\") (partNum 1) (symPinNum 1)))\n"
           "(compDef \"CONN\" (compHeader (compType SheetConnector)) (attachedSymbol (partNum 1) "
           "(symbolName \"GATE\")))\n";
}

std::string Instance(std::string_view name, std::string_view compRef, std::string_view extra = "") {
    return "(compInst \"" + std::string(name) + "\" (compRef \"" + std::string(compRef) +
           "\") (originalName \"74LS00\") (patternName \"DIP14\")" + std::string(extra) + ")\n";
}

std::string Sheet(std::string_view objects) {
    return "(schDesignHeader (workspaceSize 10000 8000))\n(sheet \"S1\"\n" + std::string(objects) +
           ")\n";
}

std::string Symbol(std::string_view refDes, std::string_view place) {
    return "(symbol (symbolRef \"GATE\") (refDesRef \"" + std::string(refDes) + "\") (partNum 1) " +
           std::string(place) + ")\n";
}

class Symbols : public DesignImport {
  protected:
    const qelsch::Document& ImportSheet(const std::string& library, const std::string& netlist,
                                        std::string_view objects) {
        Import(DesignFile(library, netlist, Sheet(objects)));
        const qelsch::Document* sheet = Document("S1");
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
    const qelsch::Part& OnlyPart(const qelsch::Document& sheet) {
        const auto parts = Objects<qelsch::Part>(sheet);
        EXPECT_EQ(parts.size(), 1u);
        return *parts.at(0);
    }
};

TEST_F(Symbols, SheetConnectorDrawsABlueBoxAndWarns) {
    const auto& sheet =
        ImportSheet(Library(""), Instance("SC1", "CONN"), Symbol("SC1", "(pt 1000 500)"));
    const auto markers = Objects<qelsch::Polyline>(sheet);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0]->color, 0xFF0000u);
    EXPECT_THAT(
        markers[0]->vertices,
        ElementsAre(SchPoint{95, 45}, SchPoint{95, 55}, SchPoint{105, 55}, SchPoint{105, 45},
                    SchPoint{95, 45}, SchPoint{105, 55}, SchPoint{105, 45}, SchPoint{95, 55}));
    EXPECT_TRUE(Objects<qelsch::Part>(sheet).empty());
    ASSERT_EQ(LoadWarnings().size(), 1u);
    EXPECT_THAT(LoadWarnings()[0], HasSubstr("1. Sheet connectors not supported! SC1(100, 50)"));
}

TEST_F(Symbols, RotatedFlippedPartPlacesItsDesignatorInTheSymbolFrame) {
    const auto& sheet = ImportSheet(
        Library("(attr \"RefDes\" \"\" (pt 300 50) (isVisible True))"
                "(attr \"Value\" \"\" (pt 0 -100) (isVisible True) (justify UpperLeft))"),
        Instance("U1", "NORMAL"), Symbol("U1", "(pt 1000 2000) (rotation 90) (isFlipped True)"));
    const auto& part = OnlyPart(sheet);
    EXPECT_EQ(part.orientation, 1);
    EXPECT_EQ(part.mirrored, 1);
    EXPECT_EQ(part.currentPartId, 1);
    EXPECT_EQ(part.libReference, "74LS00");
    EXPECT_EQ(part.footprint, "DIP14");
    const qelsch::Text* designator = TextObject(part.designatorField);
    ASSERT_NE(designator, nullptr);
    EXPECT_EQ(designator->text, "U1");
    EXPECT_EQ(designator->location, (SchPoint{85, 170}));
    EXPECT_EQ(designator->orientation, 1);
    EXPECT_EQ(designator->isHidden, 0);
    // Value at (0, -10), upper: mirrored (0, -10), moved (100, 190), shifted (100, 180), turned
    // about (100, 200): (120, 200).
    const qelsch::Text* comment = TextObject(part.commentField);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, "74LS00");
    EXPECT_EQ(comment->location, (SchPoint{120, 200}));
    EXPECT_EQ(comment->isHidden, 0);
}

TEST_F(Symbols, InvisibleAttributesHideTheTextsAtThePartsCorner) {
    const auto& sheet = ImportSheet(Library("(attr \"RefDes\" \"\" (pt 300 50))"),
                                    Instance("U1", "NORMAL"), Symbol("U1", "(pt 1000 2000)"));
    const auto& part = OnlyPart(sheet);
    const auto extent = qelsch::Editor().BoundingRectangle(part.handle);
    ASSERT_TRUE(extent.has_value());
    const qelsch::Text* designator = TextObject(part.designatorField);
    const qelsch::Text* comment = TextObject(part.commentField);
    ASSERT_TRUE(designator && comment);
    EXPECT_EQ(designator->isHidden, 1);
    EXPECT_EQ(designator->text, "U1");
    EXPECT_EQ(designator->location, (SchPoint{extent->x1, extent->y1}));
    EXPECT_EQ(comment->isHidden, 1);
    EXPECT_EQ(comment->location, (SchPoint{extent->x1, extent->y1 + 10}));
}

TEST_F(Symbols, CommentFallsBackToTheTypeAttribute) {
    const auto& sheet = ImportSheet(Library("(attr \"Type\" \"\" (pt 200 -300) (isVisible True))"),
                                    Instance("U1", "NORMAL"), Symbol("U1", "(pt 1000 2000)"));
    const qelsch::Text* comment = TextObject(OnlyPart(sheet).commentField);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->isHidden, 0);
    EXPECT_EQ(comment->location, (SchPoint{120, 180}));  // lower left: 10 added to Y
}

TEST_F(Symbols, InstanceAttributesBecomeParametersUntilTheSixteenAreUsed) {
    std::string attrs =
        "(attr \"RefDes\" \"U1\") (attr \"value\" \"10k\") (attr \"Type\" \"X\") "
        "(attr \"Tolerance\" \"5%\") (attr \"Mfr\" \"X\")";
    auto parameters = [&](const qelsch::Part& part) {
        std::vector<std::string> texts;
        for (SchHandle field : part.partFields) texts.push_back(TextObject(field)->text);
        return texts;
    };
    {
        const auto& sheet = ImportSheet(Library(""), Instance("U1", "NORMAL", attrs),
                                        Symbol("U1", "(pt 1000 2000)"));
        const auto texts = parameters(OnlyPart(sheet));
        EXPECT_EQ(texts[0], "Tolerance 5%");
        EXPECT_EQ(texts[1], "Mfr X");
        EXPECT_EQ(texts[2], "*");
        EXPECT_TRUE(ImportWarnings().empty());
    }
    TearDown();
    SetUp();
    for (int i = 2; i < 17; ++i) attrs += "(attr \"P" + std::to_string(i) + "\" \"v\")";
    const auto& sheet =
        ImportSheet(Library(""), Instance("U1", "NORMAL", attrs), Symbol("U1", "(pt 1000 2000)"));
    const auto texts = parameters(OnlyPart(sheet));
    EXPECT_EQ(texts[15], "P15 v");
    const auto warnings = ImportWarnings();
    ASSERT_EQ(warnings.size(), 1u);
    // The designator still holds the editor's default when the parameters are filled.
    EXPECT_THAT(warnings[0], HasSubstr("1. Unable To Add Part Field P16 v To ?"));
}

TEST_F(Symbols, PowerComponentPlacesOnePowerObjectPerPin) {
    const auto& sheet =
        ImportSheet(Library("", "(pin (pinNum 1) (pt 0 200) (rotation 90) (pinLength 100))"),
                    Instance("PWR1", "POWER"), Symbol("PWR1", "(pt 5000 5000) (rotation 90)"));
    const auto powers = Objects<qelsch::PowerObject>(sheet);
    ASSERT_EQ(powers.size(), 1u);
    EXPECT_EQ(powers[0]->location, (SchPoint{470, 500}));
    EXPECT_EQ(powers[0]->orientation, 0);
    EXPECT_EQ(powers[0]->text, "VCC");
    EXPECT_TRUE(Objects<qelsch::Part>(sheet).empty());
}

TEST_F(Symbols, LinkComponentOnACarriedNetIsRemovedElseReplacedByAPort) {
    const std::string wire =
        "(wire (line (pt 3200 3000) (pt 5000 3000) (netNameRef \"DATA\")))"
        "(port (pt 5000 3000) (netNameRef \"DATA\") (portType PLAIN_DBL_HORZ))";
    {
        const auto& sheet =
            ImportSheet(Library(""), Instance("L1", "LINK"), Symbol("L1", "(pt 3000 3000)") + wire);
        const auto ports = Objects<qelsch::Port>(sheet);
        ASSERT_EQ(ports.size(), 1u);  // only the sheet's own port
        EXPECT_EQ(ports[0]->location, (SchPoint{500, 300}));
        const auto markers = Objects<qelsch::Polyline>(sheet);
        ASSERT_EQ(markers.size(), 1u);
        EXPECT_EQ(markers[0]->color, 255u);
        EXPECT_EQ(markers[0]->vertices.front(), (SchPoint{315, 295}));
        ASSERT_FALSE(ImportWarnings().empty());
        EXPECT_THAT(ImportWarnings()[0],
                    HasSubstr("Link component L1(300,300) removed. Connectivity preserved."));
    }
    struct Case {
        const char* pin;
        SchPoint location;
        uint8_t style;
    };
    for (const Case& c :
         {Case{"(pin (pinNum 1) (pt 0 0) (rotation 0) (pinLength 200))", {300, 300}, 0},
          Case{"(pin (pinNum 1) (pt 0 0) (rotation 270) (pinLength 200))", {300, 280}, 4}}) {
        SCOPED_TRACE(c.pin);
        TearDown();
        SetUp();
        const auto& sheet =
            ImportSheet(Library("", c.pin), Instance("L1", "LINK"), Symbol("L1", "(pt 3000 3000)"));
        const auto ports = Objects<qelsch::Port>(sheet);
        ASSERT_EQ(ports.size(), 1u);
        EXPECT_EQ(ports[0]->name, "DATA");
        EXPECT_EQ(ports[0]->location, c.location);
        EXPECT_EQ(ports[0]->width, 20);
        EXPECT_EQ(ports[0]->style, c.style);
        ASSERT_EQ(ImportWarnings().size(), 1u);
        EXPECT_THAT(
            ImportWarnings()[0],
            HasSubstr("Link component replaced with a port. Try resolving hierarchy first."));
        EXPECT_THAT(ImportWarnings()[0], HasSubstr("Port : DATA"));
    }
}

TEST_F(Symbols, NonNumericPartNumberKeepsTheEditorsTexts) {
    const auto& sheet = ImportSheet(Library("(attr \"RefDes\" \"\" (pt 300 50) (isVisible True))"),
                                    Instance("U1", "NORMAL"),
                                    "(symbol (refDesRef \"U1\") (partNum A) (pt 1000 2000))");
    const auto& part = OnlyPart(sheet);
    EXPECT_EQ(part.currentPartId, -32000);
    EXPECT_EQ(TextObject(part.designatorField)->text, "?");
    EXPECT_EQ(TextObject(part.commentField)->text, "74LS00");
}

TEST_F(Symbols, UnknownInstanceOrDefinitionCreatesNothing) {
    const auto& sheet = ImportSheet(Library(""), Instance("U2", "MISSING"),
                                    Symbol("U1", "(pt 0 0)") + Symbol("U2", "(pt 0 0)"));
    EXPECT_TRUE(sheet.objects.empty());
    EXPECT_TRUE(ImportWarnings().empty());
    EXPECT_TRUE(LoadWarnings().empty());
}

}  // namespace
}  // namespace design_test
