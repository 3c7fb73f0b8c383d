// Sheet objects as KiCad items: part placement (turn, mirror, unit), ports as global labels,
// power symbols, the hierarchy of several sheets, and byte-identical reruns.

#include <gtest/gtest.h>

#include "connection_points.h"
#include "kicad_fixture.h"
#include "kicad_readback.h"
#include "kicad_units.h"
#include "library_editor.h"

namespace kicad::testing {
namespace {

using SheetExport = KicadExport;

// A two-part component: part 1 has pin "1" 10 left of (0, 0) and pin "2" at the end of a
// vertical pin from (20, 5); part 2 has pin "3".
void TwoPartComponent(KicadExport& test, SchHandle library) {
    KicadExport::Store().CreateComponent(library, "AMP");
    test.LibraryPin(library, "1", {0, 0}, 2);
    test.LibraryPin(library, "2", {20, 5}, 1, 15);
    qelsch::RunLibraryCommand(KicadExport::Store(), library, "Sch:AddComponentPart", nullptr, 0);
    test.LibraryPin(library, "3", {0, 0}, 0);
}

TEST_F(SheetExport, EveryTurnAndMirrorPutsEachPinWhereTheEditorConnectsIt) {
    const SchHandle library = Library();
    TwoPartComponent(*this, library);
    const SchHandle sheet = Sheet();
    int n = 0;
    for (uint8_t orientation = 0; orientation < 4; ++orientation)
        for (bool mirrored : {false, true})
            Part(sheet, "AMP", "U" + std::to_string(++n), {100 + 60 * n, 300}, orientation,
                 mirrored);
    TKicadExportResult result = Export();
    ASSERT_TRUE(result.ok());
    std::string problem;
    auto netlist = ReadKicadNetlist(result.RootSheet, problem);
    ASSERT_TRUE(netlist) << problem;
    ASSERT_EQ(netlist->Pins.size(), 16u);

    const qelsch::LibraryComponent* amp = Store().FindComponentByName("AMP");
    const TSheetFrame frame{800 * 254};
    size_t index = 0;
    for (SchHandle handle : Store().FindDocument(sheet)->objects) {
        const auto* part = Store().Find<qelsch::Part>(handle);
        for (SchHandle pinHandle : amp->parts[0].In(qelsch::DisplayMode::Normal)) {
            const auto* pin = Store().Find<qelsch::Pin>(pinHandle);
            const auto end = connectivity::PlacedPinEnd(*part, *pin);
            const auto& read = netlist->Pins[index++];
            EXPECT_EQ(read.Place.At.X, frame.Place(end.X, end.Y).X) << read.Node.Describe();
            EXPECT_EQ(read.Place.At.Y, frame.Place(end.X, end.Y).Y) << read.Node.Describe();
        }
    }
}

TEST_F(SheetExport, PartKeepsUnitFieldsAndVisibility) {
    const SchHandle library = Library();
    TwoPartComponent(*this, library);
    const SchHandle sheet = Sheet();
    auto& part = Part(sheet, "amp", "U7", {100, 100}, 1, true);
    part.currentPartId = 2;
    part.footprint = "SO8";
    Store().Find<qelsch::Text>(part.commentField)->text = "LM358";
    Store().Find<qelsch::Text>(part.commentField)->isHidden = 1;
    auto* parameter = Store().Find<qelsch::Text>(part.partFields[0]);
    parameter->text = "Tolerance 5%";
    parameter->isHidden = 0;
    ASSERT_TRUE(Export().ok());
    const std::string text = Read("proj.kicad_sch");
    EXPECT_NE(text.find("(lib_id \"proj:AMP\") (at 25.4 177.8 90) (mirror y) (unit 2)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("(property \"Reference\" \"U7\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Value\" \"LM358\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Footprint\" \"SO8\""), std::string::npos);
    EXPECT_NE(text.find("(property \"Tolerance\" \"5%\""), std::string::npos);
    // The hidden comment stays hidden; the shown parameter is shown.
    const size_t value = text.find("(property \"Value\"");
    EXPECT_NE(text.substr(value, text.find("\n  )", value) - value).find(" hide)"),
              std::string::npos);
    const size_t tolerance = text.find("(property \"Tolerance\"");
    EXPECT_EQ(text.substr(tolerance, text.find("\n  )", tolerance) - tolerance).find(" hide)"),
              std::string::npos);
    // Only the pins of unit 2 are listed on the instance; the root lists the instance.
    EXPECT_NE(text.find("(pin \"3\""), std::string::npos);
    EXPECT_EQ(text.find("(pin \"1\" (uuid"), std::string::npos);
    EXPECT_NE(text.find("(reference \"U7\") (unit 2) (value \"LM358\") (footprint \"SO8\")"),
              std::string::npos);
}

TEST_F(SheetExport, PortsBecomeGlobalLabelsShapedByTheirStyle) {
    const SchHandle sheet = Sheet();
    // Each port has a wire at its left (lower) end only; the label stands there and points into
    // the port's body.
    const struct {
        uint8_t Style;
        const char* Expected;
    } cases[] = {
        {0, "(shape passive) (at 25.4 177.8 0)"},  {1, "(shape input) (at 25.4 172.72 0)"},
        {2, "(shape output) (at 25.4 167.64 0)"},  {3, "(shape bidirectional) (at 25.4 162.56 0)"},
        {5, "(shape output) (at 25.4 157.48 90)"}, {6, "(shape input) (at 25.4 152.4 90)"}};
    int32_t y = 100;
    for (const auto& c : cases) {
        auto& port = Add<qelsch::Port>(sheet, kSchKindPort, {100, y});
        port.name = "P" + std::to_string(c.Style);
        port.style = c.Style;
        port.width = 40;
        Wire(sheet, {{60, y}, {100, y}});
        y += 20;
    }
    ASSERT_TRUE(Export().ok());
    const std::string text = Read("proj.kicad_sch");
    for (const auto& c : cases)
        EXPECT_NE(text.find(c.Expected), std::string::npos) << c.Expected << "\n" << text;
}

TEST_F(SheetExport, PortJoinedAtBothEndsGetsALabelAtEach) {
    const SchHandle sheet = Sheet();
    auto& port = Add<qelsch::Port>(sheet, kSchKindPort, {100, 100});
    port.name = "DATA";
    port.style = 2;
    port.width = 50;
    Wire(sheet, {{60, 100}, {100, 100}});
    Wire(sheet, {{150, 100}, {200, 100}});
    ASSERT_TRUE(Export().ok());
    const std::string text = Read("proj.kicad_sch");
    EXPECT_NE(text.find("(global_label \"DATA\" (shape output) (at 25.4 177.8 0)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("(global_label \"DATA\" (shape input) (at 38.1 177.8 180)"),
              std::string::npos)
        << text;
}

TEST_F(SheetExport, SeveralSheetsHangFromARootLaidOutAsTheProjectDocument) {
    const SchHandle project = Sheet("Board.prj");
    auto& symbol = Add<qelsch::SheetSymbol>(project, kSchKindSheetSymbol, {166, 600});
    symbol.xSize = 266;
    symbol.ySize = 200;
    Store().Find<qelsch::Text>(symbol.sheetNameField)->text = "Main";
    const SchHandle main = Sheet("Main");
    Sheet("IO");
    Add<qelsch::Junction>(main, kSchKindJunction, {10, 10});
    TKicadExportResult result = Export("Board");
    ASSERT_TRUE(result.ok());
    for (const char* file :
         {"Board.kicad_pro", "Board.kicad_sch", "Board.kicad_sym", "Main.kicad_sch", "IO.kicad_sch",
          "sym-lib-table", "export-report.txt"})
        EXPECT_TRUE(std::filesystem::exists(Folder() / file)) << file;
    const std::string root = Read("Board.kicad_sch");
    EXPECT_NE(root.find("(sheet (at 42.164 50.8) (size 67.564 50.8)"), std::string::npos) << root;
    EXPECT_NE(root.find("(property \"Sheet file\" \"IO.kicad_sch\""), std::string::npos);
    EXPECT_NE(root.find("(path \"/\" (page \"1\"))"), std::string::npos);
    EXPECT_NE(Read("sym-lib-table").find("(uri \"${KIPRJMOD}/Board.kicad_sym\")"),
              std::string::npos);
}

TEST_F(SheetExport, TwoExportsAreByteIdentical) {
    const SchHandle library = Library();
    TwoPartComponent(*this, library);
    const SchHandle sheet = Sheet();
    Part(sheet, "AMP", "U1", {100, 100});
    Add<qelsch::PowerObject>(sheet, kSchKindPowerObject, {90, 100}).text = "VCC";
    Add<qelsch::NetLabel>(sheet, kSchKindNetLabel, {50, 50}).text = "N";
    Add<qelsch::Annotation>(sheet, kSchKindAnnotation, {0, 0}).text = "note\r\nline 2";
    ASSERT_TRUE(Export().ok());
    const std::string first =
        Read("proj.kicad_sch") + Read("proj.kicad_sym") + Read("proj.kicad_pro");
    ASSERT_TRUE(Export().ok());
    EXPECT_EQ(first, Read("proj.kicad_sch") + Read("proj.kicad_sym") + Read("proj.kicad_pro"));
    EXPECT_NE(first.find("(text \"note\\nline 2\""), std::string::npos);
    EXPECT_NE(first.find("(symbol \"PWR_VCC\" (power)"), std::string::npos);
}

TEST_F(SheetExport, WhatHasNoCounterpartIsReportedNotDropped) {
    const SchHandle sheet = Sheet();
    Add<qelsch::Pin>(sheet, kSchKindPin, {10, 10});
    Part(sheet, "MISSING", "U9", {10, 10});
    auto& text = Add<qelsch::Text>(sheet, kSchKindText, {5, 5});
    text.text = "secret";
    text.isHidden = 1;
    Add<qelsch::Polygon>(sheet, kSchKindPolygon).vertices = {{0, 0}, {10, 0}, {10, 10}};
    TKicadExportResult result = Export();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.Report.Count(TExportNoteKind::LeftOut), 3u);
    EXPECT_EQ(result.Report.Count(TExportNoteKind::Approximated), 1u);
    const std::string report = Read("export-report.txt");
    EXPECT_NE(report.find("S1: a pin at (10, 10)"), std::string::npos) << report;
    EXPECT_NE(report.find("part U9 at (10, 10): its library component MISSING is in no library"),
              std::string::npos);
    EXPECT_NE(report.find("hidden text \"secret\""), std::string::npos);
}

}  // namespace
}  // namespace kicad::testing
