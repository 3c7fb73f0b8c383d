// Library components as KiCad symbols: units, body styles, pins by KiCad's connection rule.

#include <gtest/gtest.h>

#include "kicad_fixture.h"
#include "library_editor.h"
#include "real48.h"

namespace kicad::testing {
namespace {

using SymbolExport = KicadExport;

TEST_F(SymbolExport, PinStandsAtItsConnectionPointAndPointsToTheBody) {
    // A pin at (10, 0), 30 long: its connection point lies 30 along its orientation; the KiCad
    // pin stands there and points back (angle towards the body).
    const struct {
        uint8_t Orientation;
        const char* At;
    } cases[] = {{0, "(at 10.16 0 180)"},
                 {1, "(at 2.54 7.62 270)"},
                 {2, "(at -5.08 0 0)"},
                 {3, "(at 2.54 -7.62 90)"}};
    for (const auto& c : cases) {
        Editor().Reset();
        const SchHandle library = Library();
        Store().CreateComponent(library, "PINNED");
        LibraryPin(library, "1", {10, 0}, c.Orientation, 30);
        ASSERT_TRUE(Export().ok());
        const std::string text = Read("proj.kicad_sym");
        EXPECT_NE(text.find(std::string(" line ") + c.At + " (length 7.62)"), std::string::npos)
            << int(c.Orientation) << "\n"
            << text;
    }
}

TEST_F(SymbolExport, PinShapesAndElectricalTypes) {
    const SchHandle library = Library();
    Store().CreateComponent(library, "SHAPES");
    struct Case {
        bool Dot, Clock;
        uint8_t Electrical;
        const char* Head;
    };
    const Case cases[] = {{false, false, 0, "(pin input line"},
                          {true, false, 2, "(pin output inverted"},
                          {false, true, 5, "(pin tri_state clock"},
                          {true, true, 7, "(pin power_in inverted_clock"},
                          {false, false, 3, "(pin open_collector line"},
                          {false, false, 6, "(pin open_emitter line"},
                          {false, false, 1, "(pin bidirectional line"},
                          {false, false, 99, "(pin unspecified line"}};
    int n = 0;
    for (const Case& c : cases) {
        auto& pin = LibraryPin(library, std::to_string(++n), {0, n * 10}, 2);
        pin.dot = c.Dot;
        pin.clock = c.Clock;
        pin.electrical = c.Electrical;
    }
    ASSERT_TRUE(Export().ok());
    const std::string text = Read("proj.kicad_sym");
    for (const Case& c : cases) EXPECT_NE(text.find(c.Head), std::string::npos) << c.Head;
}

TEST_F(SymbolExport, OneUnitPerPartDeMorganAsSecondBodyStyleIeeeReported) {
    const SchHandle library = Library();
    const SchHandle component = Store().CreateComponent(library, "GATE");
    Store().FindComponent(component)->texts[29] = "U";
    Store().FindComponent(component)->texts[1] = "DIP8";
    Store().FindComponent(component)->texts[5] = "Mfr Acme Inc";
    LibraryPin(library, "1", {0, 0}, 2);
    auto command = [&](const char* name) {
        return qelsch::RunLibraryCommand(Store(), library, name, nullptr, 0);
    };
    ASSERT_EQ(command("Sch:AddComponentPart"), 1);
    LibraryPin(library, "2", {0, 0}, 2);
    ASSERT_EQ(command("Sch:ToggleComponentDemorgan"), 1);
    auto& line = Add<qelsch::Line>(library, kSchKindLine, {10, 0});
    line.corner = {0, 0};
    ASSERT_EQ(command("Sch:ToggleComponentIEEE"), 1);
    Add<qelsch::Line>(library, kSchKindLine, {10, 0});

    TKicadExportResult result = Export();
    ASSERT_TRUE(result.ok());
    const std::string text = Read("proj.kicad_sym");
    EXPECT_NE(text.find("(symbol \"GATE_1_1\""), std::string::npos);
    EXPECT_NE(text.find("(symbol \"GATE_2_1\""), std::string::npos);
    EXPECT_NE(text.find("(symbol \"GATE_2_2\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Reference\" \"U\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Footprint\" \"DIP8\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Mfr\" \"Acme Inc\""), std::string::npos);
    ASSERT_EQ(result.Report.Count(TExportNoteKind::LeftOut), 1u);
    EXPECT_NE(result.Report.Notes()[0].Text.find("IEEE"), std::string::npos);
    // A library alone gives its .kicad_sym and the report, no project.
    EXPECT_FALSE(std::filesystem::exists(Folder() / "proj.kicad_pro"));
    EXPECT_TRUE(std::filesystem::exists(Folder() / "export-report.txt"));
}

TEST_F(SymbolExport, ArcsBecomeArcsOrCircles) {
    const SchHandle library = Library();
    Store().CreateComponent(library, "ROUND");
    auto& half = Add<qelsch::Arc>(library, kSchKindArc, {0, 0});
    half.radius = 10;
    half.startAngle = SchReal48{{0}};                     // 0 degrees
    half.endAngle = SchReal48{{0x88, 0, 0, 0, 0, 0x34}};  // 180 degrees
    ASSERT_DOUBLE_EQ(qelsch::Real48ToDouble(half.endAngle), 180.0);
    auto& full = Add<qelsch::Arc>(library, kSchKindArc, {5, 5});
    full.radius = 2;
    full.endAngle = SchReal48{{0x89, 0, 0, 0, 0, 0x34}};  // 360 degrees
    ASSERT_TRUE(Export().ok());
    const std::string text = Read("proj.kicad_sym");
    EXPECT_NE(text.find("(arc (start 2.54 0) (mid 0 2.54) (end -2.54 0)"), std::string::npos)
        << text;
    EXPECT_NE(text.find("(circle (center 1.27 1.27) (radius 0.508)"), std::string::npos) << text;
}

}  // namespace
}  // namespace kicad::testing
