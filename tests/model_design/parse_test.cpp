// Reading the design side from small texts: the netlist and its lookups, the sheet's sorted
// lists, port types and title sheet parts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design_import.h"
#include "model/ascii_file.h"
#include "model/attribute.h"
#include "model/bus_entry.h"
#include "model/comp_inst.h"
#include "model/line.h"
#include "model/net.h"
#include "model/netlist.h"
#include "model/port.h"
#include "model/sch_design.h"
#include "model/sheet.h"
#include "model/title_sheet.h"
#include "model/wire.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"

namespace design_test {
namespace {

using ::testing::ElementsAre;

// Reads a whole file text; the tree stays alive with the parser.
class Parsed {
  public:
    explicit Parsed(const std::string& text) : FPath(WriteTempFile(text)), FParser(FPath.string()) {
        RegisterKeywords(FParser);
        FFile = std::make_unique<TNimboAsciiFile>(&FParser, FPath.string());
        FFile->FSchematicUnits = true;
        FFile->Parse();
    }
    ~Parsed() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath.parent_path(), ignored);
    }
    TNimboNetlist& Netlist() { return *dynamic_cast<TNimboNetlist*>(FFile->FNetlist); }
    TNimboSCHDesign& Design() { return *dynamic_cast<TNimboSCHDesign*>(FFile->FDesign); }

  private:
    std::filesystem::path FPath;
    TNimboParser FParser;
    std::unique_ptr<TNimboAsciiFile> FFile;
};

TEST(NetlistReading, InstancesNetsAndLookups) {
    Parsed parsed(DesignFile("(compDef \"NAND\" (compHeader (compType Normal)))", R"(
        (globalAttrs (attr "A" "1") (junk 1 2))
        (compInst "u1" (compRef "NAND") (originalName "74LS00") (compValue "")
                  (attr "RefDes" "U1") (attr "Tolerance" "5%") (unknownThing (x y)))
        (compInst "U1" (compRef "OTHER") (originalName "X") (compValue "10k"))
        (compInst "R7" (compRef "NOTHERE") (originalName "RES") (patternName "0603"))
        (net "GND" (node "U1" "7") (node "R7" "2" (extra)) (isPlane True) (attr "W" "10"))
        (netClass "PWR" (netNameRef "GND") (netNameRef "VCC"))
        (classToClassRules "PWR" "SIG" (attr "Clearance" "10"))
    )",
                             ""));
    TNimboNetlist& netlist = parsed.Netlist();
    EXPECT_EQ(netlist.FName, "net");
    ASSERT_EQ(netlist.FGlobalAttrs.size(), 1u);
    ASSERT_EQ(netlist.FInstances.size(), 3u);

    // The first of two names equal without regard to case is the one found.
    TNimboCompInst* u1 = netlist.FindInstance("U1");
    ASSERT_NE(u1, nullptr);
    EXPECT_EQ(u1->FCompRef, "NAND");
    EXPECT_EQ(u1->FCompValue, "74LS00");  // empty value: the original name
    EXPECT_EQ(u1->FAttrs.size(), 2u);
    EXPECT_EQ(netlist.FInstances[1]->FCompValue, "10k");
    EXPECT_EQ(netlist.FindInstance("r7")->FPatternName, "0603");
    EXPECT_EQ(netlist.FindInstance("R8"), nullptr);

    EXPECT_NE(netlist.FindInstanceCompDef("u1"), nullptr);
    EXPECT_EQ(netlist.FindInstanceCompDef("R7"), nullptr);  // no such definition
    EXPECT_EQ(netlist.FindInstanceCompDef("R8"), nullptr);  // no such instance

    ASSERT_EQ(netlist.FNets.size(), 1u);
    const TNimboNet& gnd = *netlist.FNets[0];
    ASSERT_EQ(gnd.FNodes.size(), 2u);
    EXPECT_EQ(gnd.FNodes[1]->FValue1, "R7");
    EXPECT_EQ(gnd.FNodes[1]->FValue2, "2");
    EXPECT_TRUE(gnd.FIsPlane);
    EXPECT_EQ(gnd.FAttrs.size(), 1u);
    ASSERT_EQ(netlist.FNetClasses.size(), 1u);
    EXPECT_THAT(netlist.FNetClasses[0]->FNetNames, ElementsAre("GND", "VCC"));
    ASSERT_EQ(netlist.FClassToClassRules.size(), 1u);
    EXPECT_EQ(netlist.FClassToClassRules[0]->FClassName2, "SIG");
}

TEST(NetlistReading, ANetlistReadBeforeTheLibraryFindsNoDefinition) {
    Parsed parsed(
        "NIMBO_ASCII \"t.sch\" (asciiHeader (asciiVersion 3 0))"
        "(netlist \"n\" (compInst \"U1\" (compRef \"NAND\")))"
        "(library \"l\" (compDef \"NAND\"))");
    EXPECT_NE(parsed.Netlist().FindInstance("U1"), nullptr);
    EXPECT_EQ(parsed.Netlist().FindInstanceCompDef("U1"), nullptr);
}

TEST(SheetReading, SortedListsKeepDuplicatesAndFileOrderAmongEqualNames) {
    Parsed parsed(DesignFile("", "", R"(
        (schDesignHeader (workspaceSize 1000 800) (gridDfns (grid "10")))
        (sheet "S" (pageSize Size_C) (sheetNum 2) (drawBorder False) (printRegion (pt 0 0))
          (wire (line (pt 0 0) (pt 100 0) (netNameRef "b")))
          (wire (line (pt 0 10) (pt 100 10) (netNameRef "A")))
          (wire (dispName True))
          (wire (line (pt 0 20) (pt 100 20) (netNameRef "a")))
          (port (pt 0 0) (netNameRef "Z") (portType BOTHANGLE_DBL_VERT) (portPinLength PortPinShort))
          (port (pt 0 0) (netNameRef "y"))
          (busEntry (pt 10 10) (orient Right) (busPoint (pt 99 99)))
          (busEntry (pt 20 20))))
    )"));
    TNimboSCHDesign& design = parsed.Design();
    ASSERT_EQ(design.FSheets.size(), 1u);
    TNimboSheet& sheet = *design.FSheets[0];
    EXPECT_EQ(design.WorkspaceSize(), (TPoint{100, 80}));
    EXPECT_EQ(sheet.FPageSize, 2);
    EXPECT_EQ(sheet.FSheetNum, 2);
    EXPECT_FALSE(sheet.FDrawBorder);
    EXPECT_EQ(sheet.FDrawObjects.size(), 8u);

    std::vector<std::string> nets;
    for (const TNimboWire* wire : sheet.FWiresByNet) nets.push_back(wire->FLine->FNetNameRef);
    EXPECT_THAT(nets, ElementsAre("A", "a", "b"));  // the wire without a line has no net
    EXPECT_EQ(sheet.FindFirstWireOfNet("a"), 0u);
    EXPECT_EQ(sheet.FindFirstWireOfNet("B"), 2u);
    EXPECT_FALSE(sheet.FindFirstWireOfNet("c").has_value());

    ASSERT_EQ(sheet.FPortsByName.size(), 2u);
    EXPECT_EQ(sheet.FPortsByName[0]->FNetNameRef, "y");
    EXPECT_TRUE(sheet.HasPortNamed("Y"));
    const TNimboPort& z = *sheet.FPortsByName[1];
    EXPECT_TRUE(z.FTwoPins);
    EXPECT_TRUE(z.FVertical);
    EXPECT_EQ(z.FAngle, 3);
    EXPECT_EQ(z.FPinLengthCode, 1);
    const TNimboPort& y = *sheet.FPortsByName[0];  // no type: one pin, horizontal, no angle
    EXPECT_FALSE(y.FTwoPins);
    EXPECT_FALSE(y.FVertical);
    EXPECT_EQ(y.FAngle, 0);
    // Both ports stand at (0, 0): the first in name order is found there.
    EXPECT_EQ(sheet.FindFirstPortAt({0, 0}), &y);

    ASSERT_EQ(sheet.FBusEntries.size(), 2u);
    EXPECT_EQ(sheet.FBusEntries[0]->FPt, (TPoint{1, 1}));  // the busPoint group is skipped
    EXPECT_EQ(sheet.FBusEntries[0]->FOrient, 3);
    EXPECT_EQ(sheet.FBusEntries[1]->FOrient, 1);
}

TEST(SheetReading, TitleSheetBorderAndZones) {
    Parsed parsed(DesignFile("", "", R"(
        (titleSheet (titleSheetNameDef "T") (titleSheetScale 2.5) (isVisible True) (offset 10 20)
          (border (isVisible False) (height 500) (width 700))
          (zones (textStyleRef "Z") (horizontalZones 6 (numDirection descending) (numType NUMERIC))
                 (verticalZones 4 (numDirection Sideways) (bogus 1)))
          (text (pt 0 0) "hello"))
    )"));
    const TNimboTitleSheet& title = *parsed.Design().FTitleSheet;
    EXPECT_EQ(title.FName, "T");
    EXPECT_DOUBLE_EQ(title.FScale, 2.5);
    EXPECT_TRUE(title.FIsVisible);
    EXPECT_EQ(title.FOffset, (TPoint{1, 2}));
    ASSERT_TRUE(title.FBorder && title.FZones);
    EXPECT_FALSE(title.FBorder->FIsVisible);
    EXPECT_EQ(title.FBorder->FWidth, 70);
    EXPECT_EQ(title.FZones->FTextStyleRef, "Z");
    EXPECT_EQ(title.FZones->FHorizontal.FCount, 6);
    EXPECT_EQ(title.FZones->FHorizontal.FDirection, 1);
    EXPECT_EQ(title.FZones->FHorizontal.FNumType, 1);
    EXPECT_EQ(title.FZones->FVertical.FCount, 4);
    EXPECT_EQ(title.FZones->FVertical.FDirection, 0);
    EXPECT_EQ(title.FDrawObjects.size(), 1u);
}

}  // namespace
}  // namespace design_test
