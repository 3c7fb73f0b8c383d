// The exported sheets read back by KiCad's rules join exactly the pins the editor joins.

#include <gtest/gtest.h>

#include <functional>

#include "kicad_fixture.h"
#include "kicad_readback.h"

namespace kicad::testing {
namespace {

class Readback : public KicadExport {
  public:
    void SetUp() override {
        KicadExport::SetUp();
        // A resistor: pin 1 ends 10 left of the origin, pin 2 10 right of (20, 0).
        const SchHandle library = Library();
        Store().CreateComponent(library, "RES");
        LibraryPin(library, "1", {0, 0}, 2);
        LibraryPin(library, "2", {20, 0}, 0);
    }

    // Exports, reads back, compares with the editor; returns the number of KiCad nets.
    size_t ExportAndCompare(const std::string& what) {
        TKicadExportResult result = Export();
        EXPECT_TRUE(result.ok()) << what;
        std::string problem;
        auto netlist = ReadKicadNetlist(result.RootSheet, problem);
        EXPECT_TRUE(netlist) << what << ": " << problem;
        if (!netlist) return 0;
        const connectivity::TConnectivityResult compared = CompareWithEditor(Editor(), *netlist);
        EXPECT_TRUE(compared.Identical())
            << what << ": " << compared.IdenticalNets << " of " << compared.Nets;
        return netlist->NetCount;
    }
};

TEST_F(Readback, JoiningRulesOfTheEditorHoldInKicad) {
    // Two resistors R1 at (0, 0) (ends (-10, 0) and (30, 0)) and R2 at (200, 0) (ends (190, 0),
    // (230, 0)); each case draws what may join R1-2 and R2-1, and says how many nets result.
    struct Case {
        const char* What;
        std::function<void(Readback&, SchHandle)> Draw;
        size_t Nets;
    };
    const Case cases[] = {
        {"a wire end to end",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{30, 0}, {190, 0}});
         },
         3},
        {"a wire end inside another wire's segment",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{30, 0}, {30, 100}});
             t.Wire(s, {{190, 0}, {190, 50}, {30, 50}});
         },
         3},
        {"a pin end inside a wire",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{20, 0}, {300, 0}});
         },
         2},
        {"crossing wires do not join",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{30, 0}, {30, 100}, {100, 100}, {100, -100}});
             t.Wire(s, {{190, 0}, {190, 50}, {0, 50}});
         },
         4},
        {"a junction joins crossing wires",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{30, 0}, {30, 100}, {100, 100}, {100, -100}});
             t.Wire(s, {{190, 0}, {190, 50}, {0, 50}});
             t.Add<qelsch::Junction>(s, kSchKindJunction, {100, 50});
         },
         3},
        {"net labels of one name in any letter case",
         [](Readback& t, SchHandle s) {
             t.Wire(s, {{30, 0}, {60, 0}});
             t.Add<qelsch::NetLabel>(s, kSchKindNetLabel, {40, 0}).text = "Clk";
             t.Add<qelsch::NetLabel>(s, kSchKindNetLabel, {190, 0}).text = "CLK";
         },
         3},
        {"a net label and a port of one name on one sheet",
         [](Readback& t, SchHandle s) {
             t.Add<qelsch::NetLabel>(s, kSchKindNetLabel, {30, 0}).text = "bus0";
             t.Add<qelsch::Port>(s, kSchKindPort, {190, 0}).name = "BUS0";
         },
         3},
        {"power objects",
         [](Readback& t, SchHandle s) {
             t.Add<qelsch::PowerObject>(s, kSchKindPowerObject, {30, 0}).text = "vcc";
             t.Add<qelsch::PowerObject>(s, kSchKindPowerObject, {190, 0}).text = "VCC";
         },
         3},
        {"a port joins the wires at both its ends",
         [](Readback& t, SchHandle s) {
             auto& port = t.Add<qelsch::Port>(s, kSchKindPort, {60, 0});
             port.name = "X";
             port.width = 40;
             t.Wire(s, {{30, 0}, {60, 0}});
             t.Wire(s, {{100, 0}, {190, 0}});
         },
         3},
    };
    for (const Case& c : cases) {
        // The setup's library stays; only the sheet is made anew.
        for (const auto& info : Editor().ListDocuments())
            if (info.kind == qelsch::DocumentKind::Sheet) Editor().CloseDocument(info.handle);
        const SchHandle sheet = Sheet();
        Part(sheet, "RES", "R1", {0, 0});
        Part(sheet, "RES", "R2", {200, 0});
        c.Draw(*this, sheet);
        EXPECT_EQ(ExportAndCompare(c.What), c.Nets) << c.What;
    }
}

TEST_F(Readback, PortsAndPowerJoinAcrossSheetsNetLabelsDoNot) {
    const SchHandle one = Sheet("One");
    const SchHandle two = Sheet("Two");
    Part(one, "RES", "R1", {0, 0});
    Part(two, "RES", "R2", {0, 0});
    Add<qelsch::Port>(one, kSchKindPort, {30, 0}).name = "Link";
    Add<qelsch::Port>(two, kSchKindPort, {30, 0}).name = "LINK";
    Add<qelsch::PowerObject>(one, kSchKindPowerObject, {-10, 0}).text = "GND";
    Add<qelsch::PowerObject>(two, kSchKindPowerObject, {-10, 0}).text = "gnd";
    EXPECT_EQ(ExportAndCompare("ports and power across sheets"), 2u);

    for (SchHandle sheet : {one, two}) {
        for (SchHandle handle : std::vector<SchHandle>(Store().FindDocument(sheet)->objects))
            if (!Store().Find<qelsch::Part>(handle)) Store().DestroyObject(handle);
        Add<qelsch::NetLabel>(sheet, kSchKindNetLabel, {30, 0}).text = "LOCAL";
    }
    EXPECT_EQ(ExportAndCompare("net labels on two sheets"), 4u);
}

}  // namespace
}  // namespace kicad::testing
