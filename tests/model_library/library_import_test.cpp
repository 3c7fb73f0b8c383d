// The library import through the reference editor: the command sequence, parts and display
// modes, footprint, prefix and fields, and the pin pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "library_test_support.h"

namespace {

using qelsch::DisplayMode;
using qelsch::LibraryComponent;

// A gate symbol: two pins numbered 1 and 2, one line, and four attributes of which two are part
// texts.
constexpr const char* kGate =
    "(symbolDef \"GATE_1\" (originalName \"GATE\")\r\n"
    "  (pin (pinNum 1) (pt 0 0) (rotation 180.0) (pinLength 200))\r\n"
    "  (pin (pinNum 2) (pt 500 0) (pinLength 200))\r\n"
    "  (line (pt 0 -100) (pt 0 100))\r\n"
    "  (attr \"RefDes\" \"U?\" (pt 0 200) (isVisible True)) (attr \"type\" \"NAND\")\r\n"
    "  (attr \"Family\" \"74HC\") (attr \"Vendor\" \"Acme\"))\r\n";

std::string Header(int parts, const std::string& prefix = "U") {
    return "(compHeader (numPins 2) (numParts " + std::to_string(parts) + ") (refDesPrefix \"" +
           prefix + "\"))";
}

std::string Attached(int part, const std::string& symbol, const std::string& mode = "Normal") {
    return "(attachedSymbol (partNum " + std::to_string(part) + ") (altType " + mode +
           ") (symbolName \"" + symbol + "\"))";
}

std::vector<std::string> PartCommands(const std::vector<std::string>& commands) {
    std::vector<std::string> kept;
    std::copy_if(commands.begin(), commands.end(), std::back_inserter(kept),
                 [](const std::string& c) { return c.find("Toggle") == std::string::npos; });
    return kept;
}

class LibraryImportTest : public library_test::LibraryImport {};

TEST_F(LibraryImportTest, TwoPartsFromOneSymbol) {
    ImportLibrary(std::string(kGate) + "(compDef \"NAND2\" (originalName \"7400\") " + Header(2) +
                  Attached(1, "gate") + Attached(2, "GATE") + ")");

    const std::vector<std::string> expected = {
        "Sch:CreateComponent",       "Sch:ToggleComponentNormal", "Sch:AddComponentPart",
        "Sch:ToggleComponentNormal", "Sch:AddComponentPart",      "Sch:RemoveComponentPart",
        "Sch:PreviousComponentPart"};
    ASSERT_GE(Commands().size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(Commands().begin(), Commands().begin() + expected.size()),
              expected);
    // The pin pass (no component pins here) walks the parts once more.
    EXPECT_EQ(PartCommands(
                  std::vector<std::string>(Commands().begin() + expected.size(), Commands().end())),
              (std::vector<std::string>{"Sch:NextComponentPart", "Sch:PreviousComponentPart"}));
    EXPECT_EQ(Commands().back(), "Sch:ToggleComponentNormal");

    const LibraryComponent* component = Component("7400");
    ASSERT_NE(component, nullptr);
    ASSERT_EQ(component->parts.size(), 2u);
    for (int part : {1, 2}) {
        EXPECT_EQ(Drawn<qelsch::Pin>(*component, part).size(), 2u) << part;
        EXPECT_EQ(Drawn<qelsch::Line>(*component, part).size(), 1u) << part;
        EXPECT_EQ(DrawnCount(*component, part, DisplayMode::Ieee), 0u);
    }
    EXPECT_EQ(component->texts[29], "U");
    // The symbol's own attributes, part texts left out, once per part it draws.
    EXPECT_EQ(component->texts[5], "Family 74HC");
    EXPECT_EQ(component->texts[6], "Vendor Acme");
    EXPECT_EQ(component->texts[7], "Family 74HC");
    EXPECT_EQ(component->texts[8], "Vendor Acme");
    EXPECT_EQ(component->texts[9], "");
    EXPECT_TRUE(ImportWarnings().empty());
}

// A symbol drawn by several parts draws its texts into every one of them, in the same place:
// translating a text must not use it up.
TEST_F(LibraryImportTest, EveryPartOfOneSymbolGetsItsTexts) {
    ImportLibrary(
        "(textStyleDef \"(Tall)\" (font (fontType Stroke) (fontFamily Serif) (fontHeight 100)))"
        "(symbolDef \"LABEL_1\" (originalName \"LABEL\")"
        "  (text (pt 100 300) \"TOP\\r\\nBOTTOM\" (textStyleRef \"(Tall)\")))"
        "(compDef \"TWO\" (originalName \"Two\") " +
        Header(2) + Attached(1, "LABEL") + Attached(2, "LABEL") + ")");

    const LibraryComponent* component = Component("Two");
    ASSERT_NE(component, nullptr);
    std::vector<std::vector<std::pair<std::string, int32_t>>> linesPerPart;
    for (int part : {1, 2}) {
        std::vector<std::pair<std::string, int32_t>> lines;
        for (const qelsch::Annotation* a : Drawn<qelsch::Annotation>(*component, part))
            lines.emplace_back(a->text, a->location.y);
        linesPerPart.push_back(lines);
    }
    ASSERT_EQ(linesPerPart[0].size(), 2u);
    EXPECT_EQ(linesPerPart[0][0].first, "TOP");
    EXPECT_EQ(linesPerPart[0][1].first, "BOTTOM");
    EXPECT_EQ(linesPerPart[1], linesPerPart[0]);
}

// Every drawing kind a symbol can hold, drawn by three parts and in two display modes: each
// drawing is the same as the first, so no kind's translation uses up or moves what it draws
// from. Pins keep their numbers (the component has no pins to name them by).
TEST_F(LibraryImportTest, EveryDrawingKindIsDrawnAlikeForEveryPartAndMode) {
    ImportLibrary(
        "(textStyleDef \"Tall\" (font (fontFamily Serif) (fontHeight 100)))"
        "(symbolDef \"ALL_1\" (originalName \"ALL\")"
        "  (arc (pt 100 100) (radius 50) (startAngle 30.0) (sweepAngle -60.0) (width 20))"
        "  (line (pt 0 0) (pt 300 0) (style DottedLine))"
        "  (poly (pt 0 0) (pt 100 0) (pt 50 100))"
        "  (text (pt 100 300) \"ONE\\r\\nTWO\\rTHREE\" (justify Center) (textStyleRef \"Tall\"))"
        "  (ieeeSymbol \"Adder\" (pt 500 500) (height 200) (rotation 90.0))"
        "  (pin (pinNum 7) (pt 0 0) (rotation 180.0) (pinLength 200) (outsideEdgeStyle Dot))"
        "  (wire (line (pt 0 -500) (pt 400 -500) (netNameRef \"N\")) (dispName True)"
        "    (text (pt 200 -400) \"N\"))"
        "  (bus \"B\" (pt 0 -800) (pt 400 -800) (pt 500 -900))"
        "  (busEntry (busNameRef \"B\") (pt 0 -800))"
        "  (junction (pt 200 -500))"
        "  (port (pt 600 -500) (netNameRef \"N\") (portType PLAIN_DBL_HORZ))"
        "  (port (pt 700 -500) (netNameRef \"M\") (portType PLAIN_SGL_VERT) (rotation 90.0))"
        "  (field (pt 0 0)) (table (pt 0 0)) (attr \"Note\" \"x\" (pt 0 0)))"
        "(compDef \"ALL\" (originalName \"All\") " +
        Header(3) + Attached(1, "ALL") + Attached(2, "ALL") + Attached(3, "ALL") +
        Attached(1, "ALL", "IEEE") + ")");

    auto describe = [](const qelsch::SchObject& object) {
        std::string d = std::string(qelsch::KindName(object.kind)) + " at " +
                        std::to_string(object.location.x) + "," + std::to_string(object.location.y);
        auto point = [](const qelsch::SchPoint& p) {
            return " " + std::to_string(p.x) + "," + std::to_string(p.y);
        };
        if (const auto* a = object.As<qelsch::Annotation>()) d += " '" + a->text + "'";
        if (const auto* l = object.As<qelsch::Line>()) d += point(l->corner);
        if (const auto* e = object.As<qelsch::BusEntry>()) d += point(e->corner);
        if (const auto* n = object.As<qelsch::NetLabel>()) d += " '" + n->text + "'";
        if (const auto* a = object.As<qelsch::Arc>()) d += " r" + std::to_string(a->radius);
        if (const auto* p = object.As<qelsch::Pin>()) {
            d += " " + p->designator + "/" + p->name + " len" + std::to_string(p->length) + " o" +
                 std::to_string(p->orientation);
        }
        if (const auto* p = object.As<qelsch::Port>()) {
            d +=
                " '" + p->name + "' w" + std::to_string(p->width) + " s" + std::to_string(p->style);
        }
        if (object.kind == qelsch::Wire::kKind || object.kind == qelsch::Bus::kKind ||
            object.kind == qelsch::Polygon::kKind || object.kind == qelsch::Polyline::kKind) {
            for (const auto& v : static_cast<const qelsch::MultiVertexObject&>(object).vertices)
                d += point(v);
        }
        return d;
    };
    const LibraryComponent* component = Component("All");
    ASSERT_NE(component, nullptr);
    auto drawing = [&](int part, DisplayMode mode) {
        std::vector<std::string> described;
        for (SchHandle handle : component->parts.at(part - 1).In(mode)) {
            const qelsch::SchObject* object = qelsch::Editor().FindObject(handle);
            described.push_back(object ? describe(*object) : "missing");
        }
        return described;
    };
    const std::vector<std::string> first = drawing(1, DisplayMode::Normal);
    // 1 arc, 1 line, 1 polygon, 3 text lines, 6 adder lines, 1 pin, wire and label, bus,
    // junction, the two-pin port, and the one-pin vertical port with its three wires.
    EXPECT_EQ(first.size(), 22u) << testing::PrintToString(first);
    EXPECT_EQ(drawing(2, DisplayMode::Normal), first);
    EXPECT_EQ(drawing(3, DisplayMode::Normal), first);
    EXPECT_EQ(drawing(1, DisplayMode::Ieee), first);
}

TEST_F(LibraryImportTest, OnePartSendsNoPreviousPart) {
    ImportLibrary(std::string(kGate) + "(compDef \"INV\" (originalName \"INV\") " + Header(1) +
                  Attached(1, "GATE") + ")");
    EXPECT_EQ(std::count(Commands().begin(), Commands().end(), "Sch:PreviousComponentPart"), 0);
    EXPECT_EQ(std::count(Commands().begin(), Commands().end(), "Sch:NextComponentPart"), 0);
    const LibraryComponent* component = Component("INV");
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->parts.size(), 1u);
}

TEST_F(LibraryImportTest, AlternateModesDrawIntoTheirOwnMode) {
    ImportLibrary(
        std::string(kGate) +
        "(symbolDef \"G_IEEE\" (originalName \"GATE_IEEE\") (arc (pt 0 0) (radius 100)))\r\n"
        "(symbolDef \"G_DM\" (originalName \"GATE_DM\") (poly (pt 0 0) (pt 100 0) (pt 0 100)))"
        "(compDef \"X\" (originalName \"X\") " +
        Header(1) + Attached(1, "GATE") + Attached(1, "GATE_IEEE", "IEEE") +
        Attached(1, "GATE_DM", "DeMorgan") + ")");
    const LibraryComponent* component = Component("X");
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(Drawn<qelsch::Line>(*component, 1, DisplayMode::Normal).size(), 1u);
    EXPECT_EQ(Drawn<qelsch::Arc>(*component, 1, DisplayMode::Ieee).size(), 1u);
    EXPECT_EQ(Drawn<qelsch::Polygon>(*component, 1, DisplayMode::Demorgan).size(), 1u);
    EXPECT_EQ(DrawnCount(*component, 1, DisplayMode::Ieee), 1u);
    EXPECT_EQ(DrawnCount(*component, 1, DisplayMode::Demorgan), 1u);
}

TEST_F(LibraryImportTest, FootprintFromTheLastPatternNumberedZeroToThree) {
    ImportLibrary(
        "(compDef \"R\" (originalName \"R\") (compHeader (numParts 1))\r\n"
        "  (attachedPattern (patternNum 1) (patternName \"R0603\"))\r\n"
        "  (attachedPattern (patternNum 5) (patternName \"R0805\")))\r\n"
        "(compDef \"C\" (originalName \"C\") (compHeader (numParts 1))\r\n"
        "  (attachedPattern (patternNum 0) (patternName \"C0402\"))\r\n"
        "  (attachedPattern (patternNum 3) (patternName \"C0603\")))");
    ASSERT_NE(Component("R"), nullptr);
    EXPECT_EQ(Component("R")->texts[1], "R0603");
    ASSERT_NE(Component("C"), nullptr);
    EXPECT_EQ(Component("C")->texts[1], "C0603");
}

TEST_F(LibraryImportTest, FieldsBeyondEightAreWarnedAboutAndDropped) {
    std::string attrs;
    for (int i = 1; i <= 10; ++i) {
        attrs += "(attr \"F" + std::to_string(i) + "\" \"v" + std::to_string(i) + "\")";
    }
    ImportLibrary(
        "(compDef \"BIG\" (originalName \"BigPart\") (compHeader (numParts 1))"
        "(attr \"Value\" \"skipped\") " +
        attrs + ")");
    const LibraryComponent* component = Component("BigPart");
    ASSERT_NE(component, nullptr);
    for (int slot = 5; slot <= 12; ++slot) {
        EXPECT_EQ(component->texts[slot],
                  "F" + std::to_string(slot - 4) + " v" + std::to_string(slot - 4));
    }
    EXPECT_EQ(ImportWarnings(), (std::vector<std::string>{
                                    "       1. Unable To Add Read Only Field F9 v9 To BigPart",
                                    "       2. Unable To Add Read Only Field F10 v10 To BigPart"}));
}

TEST_F(LibraryImportTest, ComponentPinsNameDrawnPinsAndAddUndrawnOnes) {
    ImportLibrary(std::string(kGate) + "(compDef \"NAND\" (originalName \"NAND\") " + Header(1) +
                  Attached(1, "GATE") +
                  "(compPin \"1\" (pinName \"IN\") (partNum 1) (symPinNum 1) (pinType "
                  "ThreeState))\r\n"
                  "(compPin \"2\" (pinName \"OUT\") (partNum 1) (symPinNum 2) (pinType OpenL))\r\n"
                  "(compPin \"14\" (pinName \"VCC\") (partNum 0) (pinType Power))\r\n"
                  "(compPin \"7\" (pinName \"GND\") (partNum 0) (pinType Bogus))\r\n"
                  "(compPin \"9\" (pinName \"NC\") (partNum 1) (symPinNum 9)))");
    const LibraryComponent* component = Component("NAND");
    ASSERT_NE(component, nullptr);
    const auto pins = Drawn<qelsch::Pin>(*component, 1);
    ASSERT_EQ(pins.size(), 4u) << "two drawn, two added; pin 9 matches nothing";

    EXPECT_EQ(pins[0]->designator, "1");
    EXPECT_EQ(pins[0]->name, "IN");
    EXPECT_EQ(pins[0]->electrical, 5);
    EXPECT_EQ(pins[0]->addedPin, 0);
    EXPECT_EQ(pins[1]->designator, "2");
    EXPECT_EQ(pins[1]->name, "OUT");
    EXPECT_EQ(pins[1]->electrical, 6);

    EXPECT_EQ(pins[2]->designator, "14");
    EXPECT_EQ(pins[2]->name, "VCC");
    EXPECT_EQ(pins[2]->electrical, 7);
    EXPECT_EQ(pins[2]->addedPin, 1);
    EXPECT_EQ(pins[2]->orientation, 3);
    EXPECT_EQ(pins[2]->location, (qelsch::SchPoint{40, 0}));
    EXPECT_EQ(pins[3]->designator, "7");
    EXPECT_EQ(pins[3]->electrical, 4);
    EXPECT_EQ(pins[3]->location, (qelsch::SchPoint{50, 0}));
}

TEST_F(LibraryImportTest, AHostPinIsClaimedByOneComponentPinOnly) {
    ImportLibrary(std::string(kGate) + "(compDef \"D\" (originalName \"D\") " + Header(2) +
                  Attached(1, "GATE") + Attached(2, "GATE") +
                  "(compPin \"A1\" (partNum 1) (symPinNum 1))"
                  "(compPin \"A2\" (partNum 1) (symPinNum 1))"
                  "(compPin \"B1\" (partNum 2) (symPinNum 1)))");
    const LibraryComponent* component = Component("D");
    ASSERT_NE(component, nullptr);
    ASSERT_EQ(component->parts.size(), 2u);
    const auto part1 = Drawn<qelsch::Pin>(*component, 1);
    const auto part2 = Drawn<qelsch::Pin>(*component, 2);
    ASSERT_EQ(part1.size(), 2u);
    ASSERT_EQ(part2.size(), 2u);
    EXPECT_EQ(part1[0]->designator, "A1");
    EXPECT_EQ(part1[1]->designator, "2") << "A2 finds pin 1 taken and nothing else";
    EXPECT_EQ(part2[0]->designator, "B1");
    EXPECT_EQ(part2[1]->designator, "2");
}

TEST_F(LibraryImportTest, DefinitionWithoutHeaderIsSkippedWithAWarning) {
    ImportLibrary(std::string(kGate) + "(compDef \"A\" (originalName \"First\") " + Header(1) +
                  Attached(1, "GATE") + ")(compDef \"B\" (originalName \"Headless\") " +
                  Attached(1, "GATE") + ")(compDef \"C\" (originalName \"Third\") " + Header(1) +
                  Attached(1, "GATE") + ")");
    EXPECT_NE(Component("First"), nullptr);
    EXPECT_EQ(Component("Headless"), nullptr);
    EXPECT_NE(Component("Third"), nullptr);
    EXPECT_EQ(Library().components.size(), 2u);
    EXPECT_EQ(ImportWarnings(),
              (std::vector<std::string>{"       1. Component Without Header Skipped: Headless"}));
}

TEST_F(LibraryImportTest, NoComponentDefinitionsNoLibraryDocument) {
    ImportLibrary(std::string(kGate) + "(textStyleDef \"S\")");
    EXPECT_TRUE(LibraryDocuments().empty());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(LibraryImportTest, AbsurdPartCountIsCapped) {
    ImportLibrary("(compDef \"A\" (originalName \"Huge\") (compHeader (numParts 2000000000)))");
    const LibraryComponent* component = Component("Huge");
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->parts.size(), 1024u);
    EXPECT_EQ(ImportWarnings(),
              (std::vector<std::string>{"       1. Too Many Parts In Huge: only 1024 Made"}));
}

TEST_F(LibraryImportTest, UnknownSymbolDrawsNothingAndAddsNoFields) {
    ImportLibrary("(compDef \"A\" (originalName \"A\") " + Header(1) + Attached(1, "MISSING") +
                  "(attr \"Note\" \"kept\"))");
    const LibraryComponent* component = Component("A");
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(DrawnCount(*component, 1), 0u);
    EXPECT_EQ(component->texts[5], "Note kept");
    EXPECT_EQ(component->texts[6], "");
}

// Pad, via and pattern definitions among the library's definitions change nothing.
TEST_F(LibraryImportTest, BoardDefinitionsChangeNothing) {
    const std::string components = std::string(kGate) + "(compDef \"A\" (originalName \"A\") " +
                                   Header(1) + Attached(1, "GATE") +
                                   "(compPin \"1\" (partNum 1) (symPinNum 1)))";
    const std::string board =
        "(padStyleDef \"P\" (holeDiam 30) (padShape (layerNumRef 1) (padShapeType MtHole)"
        " (shapeWidth 60) (shapeHeight 60)))\r\n"
        "(viaStyleDef \"V\" (holeDiam 12) (viaShape (layerNumRef 1) (viaShapeType Ellipse)))\r\n"
        "(patternDef \"SO8\" (originalName \"SO8\") (multiLayer (pad (padNum 1) (padStyleRef "
        "\"P\") (pt 0 0)))\r\n"
        "  (layerContents (layerNumRef 6) (line (pt 0 0) (pt 10 10) (width 10))))\r\n";
    auto snapshot = [this] {
        std::vector<std::string> lines;
        for (SchHandle handle : Library().components) {
            const LibraryComponent* component = qelsch::Editor().FindComponent(handle);
            lines.push_back(component->name + " parts " + std::to_string(component->parts.size()));
            for (const qelsch::Pin* pin : Drawn<qelsch::Pin>(*component, 1)) {
                lines.push_back(pin->designator + "/" + pin->name);
            }
            lines.push_back("drawn " + std::to_string(DrawnCount(*component, 1)));
        }
        return lines;
    };
    ImportLibrary(components);
    const auto without = snapshot();
    TearDown();
    SetUp();
    ImportLibrary(board + components);
    EXPECT_EQ(snapshot(), without);
}

}  // namespace
