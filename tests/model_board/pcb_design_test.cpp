// The board design, its header, layer definitions and layer contents, and pattern definitions:
// groups read in place, children at the right nesting level, internal units in a board file.

#include "model/pcb_design.h"

#include <gtest/gtest.h>

#include "model/ascii_file.h"
#include "model/attribute.h"
#include "model/board_placements.h"
#include "model/comp_inst.h"
#include "model/copper_pour.h"
#include "model/design_info.h"
#include "model/layer_contents.h"
#include "model/layer_def.h"
#include "model/netlist.h"
#include "model/pattern_def.h"
#include "model/pcb_poly.h"
#include "section_reader.h"

namespace {

constexpr int32_t kMil = 10000;  // internal units per mil

std::vector<std::string> KindNames(const std::vector<std::unique_ptr<TNimboObject>>& objects) {
    std::vector<std::string> names;
    for (const auto& object : objects) names.push_back(object->FKindName);
    return names;
}

TEST(PcbDesign, ReadsHeaderAttributesLayersAndDrawingObjects) {
    TSectionReader reader(R"~((pcbDesign "PcbDesign_1"
  (pcbDesignHeader
    (workspaceSize 32000mil 32000mil)
    (gridDfns (grid "5mil") (grid "1mm"))
    (designInfo (fieldSet "(Default)" (fieldDef "Date" "10/31/2016")))
    (solderSwell 3mil) (pasteSwell 0) (planeSwell 8))
  (globalAttrs (attr "DesignTitle" "X") (junk 1 2) (attr "Author" "Y"))
  (layerDef "TOP" (layerNum 1) (layerType Signal) (layerBias HorizBias)
    (netNameRef "N1") (planeNetNameRef "GND") (fieldSetRef "(Default)")
    (attr "PadToPadClearance" "6mil" (constraintUnits mil)))
  (layerDef "Bottom" (layerType Plane) (layerType Copper) (layerBias Sideways))
  (multiLayer
    (pad (padNum "1") (padStyleRef "P") (pt 100 200))
    (via (viaStyleRef "V") (pt 1 2))
    (metafile (binaryData "00"))
    (planeObj (width 5))
    (text (pt 0 0) "hello"))
  (layerContents (layerNumRef 1)
    (line (pt 0 0) (pt 10 0) (width 10))
    (planeObj (netNameRef "GND") (planeOutline (pt 0 0) (pt 1 1)))
    (metafile x)
    (arc (pt 0 0) (radius 5)))
) END)~");
    auto design = reader.Read<TNimboPCBDesign>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(design->FKindName, "PCB Design");
    EXPECT_EQ(design->FName, "PcbDesign_1");

    ASSERT_NE(design->FHeader, nullptr);
    const TNimboPcbDesignHeader& header = *design->FHeader;
    EXPECT_EQ(header.FKindName, "DesignHeader");
    EXPECT_EQ(header.FWorkspaceSize, (TPoint{32000 * kMil, 32000 * kMil}));
    ASSERT_NE(header.FGridDfns, nullptr);
    EXPECT_EQ(header.FGridDfns->FGrids, (std::vector<std::string>{"5mil", "1mm"}));
    ASSERT_NE(header.FDesignInfo, nullptr);
    ASSERT_EQ(header.FDesignInfo->FFieldSets.size(), 1u);
    EXPECT_EQ(header.FDesignInfo->FFieldSets[0]->FFieldDefs.size(), 1u);
    EXPECT_EQ(header.FSolderSwell, 3 * kMil);
    EXPECT_EQ(header.FPasteSwell, 0);
    EXPECT_EQ(header.FPlaneSwell, 8 * kMil);

    ASSERT_EQ(design->FGlobalAttrs.size(), 2u);
    EXPECT_EQ(design->FGlobalAttrs[0]->FName, "DesignTitle");
    EXPECT_EQ(design->FGlobalAttrs[1]->FName, "Author");

    ASSERT_EQ(design->FLayerDefs.size(), 2u);
    const TNimboLayerDef& top = *design->FLayerDefs[0];
    EXPECT_EQ(top.FKindName, "LayerDef");
    EXPECT_EQ(top.FName, "TOP");
    EXPECT_EQ(top.FLayerNum, 1);
    EXPECT_EQ(top.FLayerType, ltSignal);
    EXPECT_EQ(top.FLayerBias, lbHorizBias);
    EXPECT_EQ(top.FNetNameRef, "GND");  // the later of the two net names
    EXPECT_EQ(top.FFieldSetRef, "(Default)");
    ASSERT_EQ(top.FAttrs.size(), 1u);
    EXPECT_EQ(top.FAttrs[0]->FValue, "6mil");
    // Unknown words leave the earlier codes.
    EXPECT_EQ(design->FLayerDefs[1]->FLayerType, ltPlane);
    EXPECT_EQ(design->FLayerDefs[1]->FLayerBias, lbAutoBias);

    // "planeObj" is a plane only inside layer contents; "metafile" is skipped everywhere.
    EXPECT_EQ(KindNames(design->FMultiLayer),
              (std::vector<std::string>{"Pad", "Via", "Draw Object"}));
    ASSERT_EQ(design->FLayerContents.size(), 1u);
    EXPECT_EQ(design->FLayerContents[0]->FLayerNumRef, 1);
    EXPECT_EQ(KindNames(design->FLayerContents[0]->FDrawObjects),
              (std::vector<std::string>{"Draw Object", "Plane", "Draw Object"}));
}

TEST(PcbDesign, ASecondHeaderReplacesTheFirst) {
    TSectionReader reader(
        "(pcbDesign \"B\" (pcbDesignHeader (solderSwell 3)) (pcbDesignHeader (pasteSwell 4))) "
        "END");
    auto design = reader.Read<TNimboPCBDesign>();
    EXPECT_TRUE(reader.AtEnd());
    ASSERT_NE(design->FHeader, nullptr);
    EXPECT_EQ(design->FHeader->FSolderSwell, 0);
    EXPECT_EQ(design->FHeader->FPasteSwell, 4 * kMil);
}

TEST(PatternDef, LaterObjectsAreReadAtTheRightNestingLevel) {
    // A pour with vertex groups and a polygon with fillets must not disturb the objects after
    // them, in the same layer and in the next one.
    TSectionReader reader(R"~((patternDef "DIP8" (originalName "DIP8_orig")
  (multiLayer (pad (padNum "1") (pt 0 0)) (pad (padNum "2") (pt 100 0)))
  (layerContents (layerNumRef 10)
    (copperPour95 (netNameRef "GND")
      (vertex (pt 0 0) (arc (pt 1 1) (radius 5)))
      (vertex (pt 1 1))
      (pcbPoly (pt 0 0) (pt 1 1) (fillets 5 (filletDesc (pt 0 0) (radius 2))))
      (width 3))
    (pcbPoly (pt 0 0) (pt 5 5)
      (fillets 10 (filletDesc (pt 1 1) (radius 3)) (filletDesc (pt 2 2) (radius 4)))
      (isFlipped True))
    (line (pt 0 0) (pt 1 1)))
  (layerContents (layerNumRef 11) (text (pt 0 0) "x"))
) END)~",
                          {.SchematicUnits = true});
    auto pattern = reader.Read<TNimboPatternDef>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(pattern->FName, "DIP8");
    EXPECT_EQ(pattern->FOriginalName, "DIP8_orig");
    ASSERT_EQ(pattern->FMultiLayer.size(), 2u);
    EXPECT_EQ(static_cast<TNimboPad&>(*pattern->FMultiLayer[1]).FPt, (TPoint{10, 0}));

    ASSERT_EQ(pattern->FLayerContents.size(), 2u);
    const auto& layer10 = *pattern->FLayerContents[0];
    EXPECT_EQ(layer10.FLayerNumRef, 10);
    ASSERT_EQ(KindNames(layer10.FDrawObjects),
              (std::vector<std::string>{"Draw Object", "PcbPoly", "Draw Object"}));
    const auto& pour = static_cast<TNimboCopperPour&>(*layer10.FDrawObjects[0]);
    EXPECT_EQ(pour.FVertices.size(), 2u);
    ASSERT_NE(pour.FFillPoly, nullptr);
    EXPECT_EQ(pour.FFillPoly->FPoints.size(), 2u);
    EXPECT_EQ(pour.FWidth, 0);  // 3 mil is 0 in schematic units (10 mil)
    const auto& poly = static_cast<TNimboPcbPoly&>(*layer10.FDrawObjects[1]);
    ASSERT_NE(poly.FFillets, nullptr);
    EXPECT_EQ(poly.FFillets->FFillets.size(), 2u);
    EXPECT_TRUE(poly.FIsFlipped);

    EXPECT_EQ(pattern->FLayerContents[1]->FLayerNumRef, 11);
    EXPECT_EQ(pattern->FLayerContents[1]->FDrawObjects.size(), 1u);
}

TEST(PcbDesignInFile, KeepsInternalUnitsAndTheSectionAfterItIsReadNormally) {
    TTextFile file(R"~(NIMBO_ASCII "BOARD.PCB"
(asciiHeader (asciiVersion 3 0) (fileUnits Mil))
(pcbDesign "PcbDesign_1"
  (pcbDesignHeader (workspaceSize 1000 2000))
  (layerContents (layerNumRef 1) (copperPour95 (islandRemoval Area 25)
    (thermal (pt 1 2) (pt 3 4))))
)
(netlist "Netlist_1" (compInst "U1" (compRef "DIP8") (originalName "DIP8")))
)~");
    TNimboParser parser(file.Path());
    RegisterKeywords(parser);
    TNimboAsciiFile ascii(&parser, file.Path());
    ascii.FSchematicUnits = true;  // as for every schematic import
    ascii.Parse();

    auto* design = dynamic_cast<TNimboPCBDesign*>(ascii.FDesign);
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->FDepth, 0);
    ASSERT_NE(design->FHeader, nullptr);
    EXPECT_EQ(design->FHeader->FWorkspaceSize, (TPoint{1000 * kMil, 2000 * kMil}));
    ASSERT_EQ(design->FLayerContents.size(), 1u);
    ASSERT_EQ(design->FLayerContents[0]->FDrawObjects.size(), 1u);
    const auto& pour = static_cast<TNimboCopperPour&>(*design->FLayerContents[0]->FDrawObjects[0]);
    EXPECT_EQ(pour.FIslandRemoval, irArea);
    EXPECT_EQ(pour.FIslandRemovalValue, "25");
    EXPECT_EQ(pour.FThermals.size(), 1u);

    auto* netlist = dynamic_cast<TNimboNetlist*>(ascii.FNetlist);
    ASSERT_NE(netlist, nullptr);
    EXPECT_NE(netlist->FindInstance("U1"), nullptr);
    EXPECT_TRUE(parser.Eof());
}

}  // namespace
