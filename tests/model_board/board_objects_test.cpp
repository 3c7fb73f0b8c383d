// Board drawing objects: each reads its section to its own closing parenthesis, keeps what it
// reads, and leaves the next token to its owner.

#include <gtest/gtest.h>

#include "model/assembly_points.h"
#include "model/attribute.h"
#include "model/board_draw_objects.h"
#include "model/board_placements.h"
#include "model/copper_pour.h"
#include "model/cross_ref.h"
#include "model/design_view.h"
#include "model/detail.h"
#include "model/dimension.h"
#include "model/from_to.h"
#include "model/info_point.h"
#include "model/line_keep_out.h"
#include "model/pcb_poly.h"
#include "model/plane.h"
#include "model/ref_point.h"
#include "model/room.h"
#include "section_reader.h"

namespace {

constexpr int32_t kMil = 10000;  // internal units per mil

TPoint Mils(int32_t x, int32_t y) {
    return {x * kMil, y * kMil};
}

TEST(CopperPour, ReadsItsValuesOutlineFillVerticesAndIslands) {
    TSectionReader reader(R"~((copperPour95 (pourType Hatch45Pour) (netNameRef "GND")
      (width 25) (pourSpacing 50) (pourBackoff 12) (thermalWidth 15) (pourSmoothness 1.5)
      (thermalSpokes 4) (useDesignRules False) (thermalType Therm90)
      (viaThermalType Therm45) (island (islandOutline (pt 9 9)))
      (pourOutline (pt 0 0) (pt 100 0) (pt 100 100))
      (fillPoly (pt 1 1) (rotation 30))
      (pcbPoly (pt 2 2) (pt 3 3) (netNameRef "GND"))
      (vertex (pt 0 0) (arc (pt 1 1) (radius 5)))
      (vertex)
      (copperPourIsland (islandOutline (pt 10 10) (pt 20 10) (pt 20 20))
        (copperPourIslandCutout (pt 12 12) (pt 13 13))
        (thermal (pt 1 2) (pt 3 4) (thermalWidth 15)))
    ) END)~");
    auto pour = reader.Read<TNimboCopperPour>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(pour->FKindName, "Draw Object");
    EXPECT_EQ(pour->FPourType, ptHatch45Pour);
    EXPECT_EQ(pour->FNetNameRef, "GND");
    EXPECT_EQ(pour->FWidth, 25 * kMil);
    EXPECT_EQ(pour->FPourSpacing, 50 * kMil);
    EXPECT_EQ(pour->FPourBackoff, 12 * kMil);
    EXPECT_EQ(pour->FThermalWidth, 15 * kMil);
    EXPECT_DOUBLE_EQ(pour->FPourSmoothness, 1.5);
    EXPECT_EQ(pour->FThermalSpokes, 4);
    EXPECT_FALSE(pour->FUseDesignRules);
    EXPECT_EQ(pour->FThermalType, ttTherm90);
    EXPECT_EQ(pour->FPourOutline, (std::vector<TPoint>{Mils(0, 0), Mils(100, 0), Mils(100, 100)}));
    // The later pcbPoly replaces the fill polygon.
    ASSERT_NE(pour->FFillPoly, nullptr);
    EXPECT_EQ(pour->FFillPoly->FKindName, "Fill Poly");
    EXPECT_EQ(pour->FFillPoly->FPoints, (std::vector<TPoint>{Mils(2, 2), Mils(3, 3)}));
    EXPECT_EQ(pour->FVertices.size(), 2u);

    ASSERT_EQ(pour->FIslands.size(), 1u);
    const TNimboCopperPourIsland& island = *pour->FIslands[0];
    EXPECT_EQ(island.FKindName, "CopperPourIsland");
    EXPECT_EQ(island.FIslandOutline.size(), 3u);
    EXPECT_EQ(island.FCutout, (std::vector<TPoint>{Mils(12, 12), Mils(13, 13)}));
    ASSERT_EQ(island.FThermals.size(), 1u);
    EXPECT_EQ(island.FThermals[0]->FStart, Mils(1, 2));
    EXPECT_EQ(island.FThermals[0]->FEnd, Mils(3, 4));
}

TEST(CopperPour, FreshPourHasTheDocumentedDefaults) {
    TSectionReader reader("(copperPour) END");
    auto pour = reader.Read<TNimboCopperPour>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(pour->FUseDesignRules);
    EXPECT_EQ(pour->FPourType, ptSolidPour);
    EXPECT_EQ(pour->FThermalType, ttNoTherm);
    EXPECT_EQ(pour->FIslandRemoval, irNone);
    EXPECT_EQ(pour->FFillPoly, nullptr);
}

struct TIslandRemovalCase {
    const char* Group;
    uint8_t Mode;
    const char* Value;
};

void PrintTo(const TIslandRemovalCase& c, std::ostream* os) {
    *os << c.Group;
}

class IslandRemoval : public ::testing::TestWithParam<TIslandRemovalCase> {};

TEST_P(IslandRemoval, KeepsTheModeAndTheAreaValue) {
    const TIslandRemovalCase& c = GetParam();
    TSectionReader reader(std::string("(copperPour (islandRemoval Interior) ") + c.Group +
                          " (thermalSpokes 2)) END");
    auto pour = reader.Read<TNimboCopperPour>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(pour->FIslandRemoval, c.Mode);
    EXPECT_EQ(pour->FIslandRemovalValue, c.Value);
    EXPECT_EQ(pour->FThermalSpokes, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Words, IslandRemoval,
    ::testing::Values(TIslandRemovalCase{"(islandRemoval Area 25)", irArea, "25"},
                      TIslandRemovalCase{"(islandRemoval AREA \"0.5\")", irArea, "0.5"},
                      TIslandRemovalCase{"(islandRemoval Area 4.064e+006)", irArea, "4.064e+006"},
                      // The group form real files write; the rest of the pour still reads.
                      TIslandRemovalCase{"(islandRemoval (area 4.064e+006))", irArea, "4.064e+006"},
                      TIslandRemovalCase{"(islandRemoval (Unconnected))", irUnconnected, ""},
                      TIslandRemovalCase{"(islandRemoval (other 5))", irInterior, ""},
                      TIslandRemovalCase{"(islandRemoval Area)", irArea, ""},
                      TIslandRemovalCase{"(islandRemoval  unconnected)", irUnconnected, ""},
                      TIslandRemovalCase{"(islandRemoval None)", irNone, ""},
                      // An unknown word keeps the earlier mode.
                      TIslandRemovalCase{"(islandRemoval Everything)", irInterior, ""}));

// A thermal group: the first point starts a thermal, the second ends and keeps it. A group of
// a single point keeps nothing; one of three points keeps one thermal ending at the last.
struct TThermalCase {
    const char* Groups;
    std::vector<std::pair<TPoint, TPoint>> Thermals;
};

void PrintTo(const TThermalCase& c, std::ostream* os) {
    *os << c.Groups;
}

class ThermalPairs : public ::testing::TestWithParam<TThermalCase> {};

TEST_P(ThermalPairs, KeepOneThermalPerCompletedGroup) {
    const TThermalCase& c = GetParam();
    TSectionReader reader(std::string("(copperPour ") + c.Groups + " (width 7)) END");
    auto pour = reader.Read<TNimboCopperPour>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(pour->FWidth, 7 * kMil);
    ASSERT_EQ(pour->FThermals.size(), c.Thermals.size());
    for (size_t i = 0; i < c.Thermals.size(); ++i) {
        EXPECT_EQ(pour->FThermals[i]->FStart, c.Thermals[i].first) << i;
        EXPECT_EQ(pour->FThermals[i]->FEnd, c.Thermals[i].second) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ThermalPairs,
    ::testing::Values(TThermalCase{"(thermal (pt 1 2) (pt 3 4) (thermalWidth 0.381))",
                                   {{Mils(1, 2), Mils(3, 4)}}},
                      TThermalCase{"(thermal (pt 1 2) (pt 3 4)) (thermal (pt 5 6) (pt 7 8))",
                                   {{Mils(1, 2), Mils(3, 4)}, {Mils(5, 6), Mils(7, 8)}}},
                      TThermalCase{"(thermal (pt 5 6))", {}},
                      TThermalCase{"(thermal (pt 1 1) (pt 2 2) (pt 3 3))",
                                   {{Mils(1, 1), Mils(3, 3)}}}));

TEST(PcbPoly, NestedPolygonPointsJoinAndFilletsAreKept) {
    TSectionReader reader(R"~((pcbPoly (pt 0 0) (pcbPoly (pt 1 1) (pt 2 2)) (pt 3 3)
      (netNameRef "GND") (isCopperTie True) (tieNetValue "NET1") (isFlipped true)
      (fillets 10 (filletDesc (pt 1 1) (radius 3)) (filletDesc (pt 2 2)) (filletDesc (radius 4)))
    ) END)~");
    auto poly = reader.Read<TNimboPcbPoly>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(poly->FKindName, "PcbPoly");
    EXPECT_EQ(poly->FPoints, (std::vector<TPoint>{Mils(0, 0), Mils(1, 1), Mils(2, 2), Mils(3, 3)}));
    EXPECT_EQ(poly->FNetNameRef, "GND");
    EXPECT_TRUE(poly->FIsCopperTie);
    EXPECT_EQ(poly->FTieNetValue, "NET1");
    EXPECT_TRUE(poly->FIsFlipped);
    ASSERT_NE(poly->FFillets, nullptr);
    EXPECT_EQ(poly->FFillets->FKindName, "Fillets");
    EXPECT_EQ(poly->FFillets->FRadius, 10 * kMil);
    // An entry is kept when its radius comes; the one without a radius is not.
    ASSERT_EQ(poly->FFillets->FFillets.size(), 2u);
    EXPECT_EQ(poly->FFillets->FFillets[0].FPt, Mils(1, 1));
    EXPECT_EQ(poly->FFillets->FFillets[0].FRadius, 3 * kMil);
    EXPECT_EQ(poly->FFillets->FFillets[1].FPt, Mils(0, 0));
    EXPECT_EQ(poly->FFillets->FFillets[1].FRadius, 4 * kMil);
}

TEST(Dimension, ReadsValuesPointsAndGraphicsListsWithLeaderAsDefaultStyle) {
    TSectionReader reader(R"~((dimension (pt 10 20) (dimensionOffsets 1 2) (rotation 90)
      (dimCenterSize 5.5) (dimLineWidth 0.5) (arrowheadLength 30) (arrowheadWidth 10)
      (dimensionId 7) (isFlipped True) (dimShowTol true) (dimOrient dim_vertical)
      (dimTextOrient DIM_DIAGONAL) (dimLeaderStyle dim_leader_style_square)
      (dimUnits Dim_Units_mm_mil) (dimPlusLinearTol 0.1)
      (dimPoints (pt 0 0) (pt 50 0))
      (dimDimLineGraphics (line (pt 0 0) (pt 50 0)) (arc (pt 0 0) (radius 5))
                          (dimGraphics (dimGraphic (line (pt 1 1) (pt 2 2))))
                          (pcbPoly (pt 0 0) (pt 1 1) (pt 1 0)))
      (dimExtLineGraphics (line (pt 0 0) (pt 0 10)))
      (dimTextGraphics (text (pt 25 5) "50mil") (junk (a b)))
    ) END)~");
    auto dim = reader.Read<TNimboDimension>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(dim->FKindName, "Dimension");
    EXPECT_EQ(dim->FStyle, dsLeader);
    EXPECT_EQ(dim->FPt, Mils(10, 20));
    EXPECT_EQ(dim->FOffsets, Mils(1, 2));
    EXPECT_DOUBLE_EQ(dim->FRotation, 90.0);
    EXPECT_DOUBLE_EQ(dim->FCenterSize, 5.5);
    EXPECT_DOUBLE_EQ(dim->FLineWidth, 0.5);
    EXPECT_DOUBLE_EQ(dim->FPlusLinearTol, 0.1);
    EXPECT_EQ(dim->FArrowheadLength, 30 * kMil);
    EXPECT_EQ(dim->FArrowheadWidth, 10 * kMil);
    EXPECT_EQ(dim->FDimensionId, 7);
    EXPECT_TRUE(dim->FIsFlipped);
    EXPECT_TRUE(dim->FShowTol);
    EXPECT_FALSE(dim->FShowDia);
    EXPECT_EQ(dim->FOrient, doVertical);
    EXPECT_EQ(dim->FTextOrient, doDiagonal);
    EXPECT_EQ(dim->FLeaderStyle, dlSquare);
    EXPECT_EQ(dim->FUnits, duMMMil);
    EXPECT_EQ(dim->FPoints, (std::vector<TPoint>{Mils(0, 0), Mils(50, 0)}));

    auto kinds = [](const std::vector<std::unique_ptr<TNimboObject>>& list) {
        std::vector<std::string> names;
        for (const auto& object : list) names.push_back(object->FKindName);
        return names;
    };
    // Each graphics list keeps its arcs, lines, polygons and texts in file order; a group of
    // any other keyword is skipped whole.
    EXPECT_EQ(kinds(dim->FDimLineGraphics),
              (std::vector<std::string>{"Draw Object", "Draw Object", "PcbPoly"}));
    EXPECT_EQ(kinds(dim->FExtLineGraphics), (std::vector<std::string>{"Draw Object"}));
    EXPECT_EQ(dim->FTextGraphics.size(), 1u);
}

TEST(Dimension, DimStyleWordsGiveTheirCodes) {
    TSectionReader reader("(dimension (dimStyle dim_radius) (dimStyle nonsense)) END");
    auto dim = reader.Read<TNimboDimension>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(dim->FStyle, dsRadius);
}

TEST(Placements, PadViaAndPatternReadTheirReferences) {
    TSectionReader reader(R"~((pad (padNum "1") (padStyleRef "P:EX60") (pt 100 200) (rotation 90)
      (isFlipped True) (netNameRef "GND") (defaultPinDes "1"))
    (via (viaStyleRef "V1") (pt 1 2) (netNameRef "VCC") (rotation 45))
    (pattern (patternRef "DIP8") (refDesRef "U1") (pt 1000 2000) (rotation 180) (isFixed True)
      (attr "RefDes" "" (pt 0 0) (isVisible True)) (attr "Value" "10k"))
    END)~");
    auto pad = reader.Read<TNimboPad>();
    auto via = reader.Read<TNimboVia>();
    auto pattern = reader.Read<TNimboPattern>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(pad->FKindName, "Pad");
    EXPECT_EQ(pad->FPadNum, "1");
    EXPECT_EQ(pad->FPadStyleRef, "P:EX60");
    EXPECT_EQ(pad->FPt, Mils(100, 200));
    EXPECT_DOUBLE_EQ(pad->FRotation, 90.0);
    EXPECT_TRUE(pad->FIsFlipped);
    EXPECT_EQ(pad->FNetNameRef, "GND");

    EXPECT_EQ(via->FKindName, "Via");
    EXPECT_EQ(via->FViaStyleRef, "V1");
    EXPECT_EQ(via->FPt, Mils(1, 2));
    EXPECT_EQ(via->FNetNameRef, "VCC");
    EXPECT_DOUBLE_EQ(via->FRotation, 45.0);

    EXPECT_EQ(pattern->FKindName, "Pattern");
    EXPECT_EQ(pattern->FPatternRef, "DIP8");
    EXPECT_EQ(pattern->FRefDesRef, "U1");
    EXPECT_EQ(pattern->FPt, Mils(1000, 2000));
    EXPECT_TRUE(pattern->FIsFixed);
    EXPECT_FALSE(pattern->FIsFlipped);
    ASSERT_EQ(pattern->FAttrs.size(), 2u);
    EXPECT_EQ(pattern->FAttrs[1]->FName, "Value");
    EXPECT_EQ(pattern->FAttrs[1]->FValue, "10k");
}

TEST(Markers, PointsKeepTheirValuesAndDefaults) {
    TSectionReader reader(R"~((fromTo (netNameRef "NET00002")(pt 10 20) (pt 30 40 ) )
    (lineKeepOut (pt 0 0) (pt 5 5) (pt 7 7) (width 10))
    (gluePoint (pt 1 2))
    (pickPoint (pt 3 4) (isFlipped True) (isVisible False))
    (infoPoint (pt 5 6) (clearance 8) (desc "Clearance") (infoPointRuleCategory "Manufacturing")
      (infoPointRuleType "Silk") (infoPointViolationNumber 12) (severity 3))
    (infoPoint (infoPointViolationType InfoPointWarningViolation))
    (refPoint (pt 9 9) (isFlipped True))
    END)~");
    auto fromTo = reader.Read<TNimboFromTo>();
    auto keepOut = reader.Read<TNimboLineKeepOut>();
    auto glue = reader.Read<TNimboGluePoint>();
    auto pick = reader.Read<TNimboPickPoint>();
    auto info = reader.Read<TNimboInfoPoint>();
    auto warning = reader.Read<TNimboInfoPoint>();
    auto ref = reader.Read<TNimboRefPoint>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(fromTo->FKindName, "FromTo");
    EXPECT_EQ(fromTo->FNetNameRef, "NET00002");
    EXPECT_EQ(fromTo->FFrom, Mils(10, 20));
    EXPECT_EQ(fromTo->FTo, Mils(30, 40));

    EXPECT_EQ(keepOut->FKindName, "KeepOut Line");
    EXPECT_EQ(keepOut->FPoint1, Mils(0, 0));
    EXPECT_EQ(keepOut->FPoint2, Mils(7, 7));

    EXPECT_EQ(glue->FKindName, "GluePoint");
    EXPECT_EQ(glue->FPt, Mils(1, 2));
    EXPECT_TRUE(glue->FIsVisible);
    EXPECT_FALSE(glue->FIsFlipped);
    EXPECT_EQ(pick->FKindName, "PickPoint");
    EXPECT_TRUE(pick->FIsFlipped);
    EXPECT_FALSE(pick->FIsVisible);

    EXPECT_EQ(info->FKindName, "InfoPoint");
    EXPECT_EQ(info->FPt, Mils(5, 6));
    EXPECT_EQ(info->FClearance, 8 * kMil);
    EXPECT_EQ(info->FDesc, "Clearance");
    EXPECT_EQ(info->FRuleCategory, "Manufacturing");
    EXPECT_EQ(info->FRuleType, "Silk");
    EXPECT_EQ(info->FViolationNumber, 12);
    EXPECT_EQ(info->FSeverity, 3);
    EXPECT_EQ(info->FViolationType, ivIgnored);
    EXPECT_EQ(warning->FViolationType, ivWarning);

    EXPECT_EQ(ref->FKindName, "RefPoint");
    EXPECT_EQ(ref->FPt, Mils(9, 9));
}

TEST(CrossReference, IsPassedOverWholeWithItsNestedText) {
    TSectionReader reader(
        "(xRef (pt 1 1) \"quoted ) text\" (text (pt 0 0) \"Sheet2\" (justify Left)) word) END");
    auto xref = reader.Read<TNimboXRef>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(xref->FKindName, "XRef");
}

TEST(Room, ReadsNameValuesAttributesInclusionListAndOutline) {
    TSectionReader reader(R"~((room "CPU" (isFixed True) (roomFillPattern Hatched)
      (roomPlacementSide Bottom)
      (roomAttrMgr (attr "Clearance" "10mil") (other 1) (attr "Height" "5mm"))
      (roomInclusionList (refDesRef "U1") (refDesRef "U2"))
      (pcbPoly (pt 0 0) (pt 10 0) (pt 10 10))
    ) (room "Empty") END)~");
    auto room = reader.Read<TNimboRoom>();
    auto empty = reader.Read<TNimboRoom>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(room->FKindName, "Room");
    EXPECT_EQ(room->FName, "CPU");
    EXPECT_TRUE(room->FIsFixed);
    EXPECT_EQ(room->FFillPattern, rfHatched);
    EXPECT_EQ(room->FPlacementSide, rsBottom);
    ASSERT_EQ(room->FAttrs.size(), 2u);
    EXPECT_EQ(room->FAttrs[0]->FName, "Clearance");
    EXPECT_EQ(room->FAttrs[1]->FName, "Height");
    ASSERT_NE(room->FInclusionList, nullptr);
    EXPECT_EQ(room->FInclusionList->FKindName, "Room Inclusion List");
    EXPECT_EQ(room->FInclusionList->FRefDesRefs, (std::vector<std::string>{"U1", "U2"}));
    ASSERT_NE(room->FPcbPoly, nullptr);
    EXPECT_EQ(room->FPcbPoly->FPoints.size(), 3u);

    EXPECT_EQ(empty->FName, "Empty");
    EXPECT_EQ(empty->FFillPattern, rfClear);
    EXPECT_EQ(empty->FPlacementSide, rsTopOrBottom);
}

TEST(DesignViewAndDetail, ReadTheirValuesRegionAndLayers) {
    TSectionReader reader(R"~((designView (pt 5 5) (scaleFactor 2.5) (isMirrored True)
      (title "Top") (subtitle "view") (textStyleRef "(Default)")
      (layerList (layerNumRef 1) (layerNumRef 6) (bogus 3))
      (designViewRegion 0 0 100 50 (extra 1))
    )
    (detail (pt 1 1) (extent 10 20) (filename "d.dxf") (title "T") (subtitle "S")
      (textStyleRef "St"))
    END)~");
    auto view = reader.Read<TNimboDesignView>();
    auto detail = reader.Read<TNimboDetail>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(view->FPt, Mils(5, 5));
    EXPECT_DOUBLE_EQ(view->FScaleFactor, 2.5);
    EXPECT_TRUE(view->FIsMirrored);
    EXPECT_EQ(view->FTitle, "Top");
    EXPECT_EQ(view->FSubtitle, "view");
    EXPECT_EQ(view->FTextStyleRef, "(Default)");
    EXPECT_EQ(view->FLayers, (std::vector<int32_t>{1, 6}));
    ASSERT_NE(view->FRegion, nullptr);
    EXPECT_EQ(view->FRegion->FCorner1, Mils(0, 0));
    EXPECT_EQ(view->FRegion->FCorner2, Mils(100, 50));

    EXPECT_EQ(detail->FKindName, "Detail");
    EXPECT_EQ(detail->FPt, Mils(1, 1));
    EXPECT_EQ(detail->FExtent, Mils(10, 20));
    EXPECT_EQ(detail->FFileName, "d.dxf");
    EXPECT_EQ(detail->FTitle, "T");
    EXPECT_EQ(detail->FSubtitle, "S");
    EXPECT_EQ(detail->FTextStyleRef, "St");
}

TEST(Plane, OutlineCollectsThePointsOfBothGroups) {
    TSectionReader reader(
        "(plane (netNameRef \"GND\") (width 12) (planeOutline (pt 0 0) (pt 1 0)) "
        "(pcbPoly (pt 1 1) (isFlipped True))) END");
    auto plane = reader.Read<TNimboPlane>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(plane->FKindName, "Plane");
    EXPECT_EQ(plane->FNetNameRef, "GND");
    EXPECT_EQ(plane->FWidth, 12 * kMil);
    EXPECT_EQ(plane->FOutline, (std::vector<TPoint>{Mils(0, 0), Mils(1, 0), Mils(1, 1)}));
}

// The kind each drawing-object keyword creates; "planeObj" is a plane inside layer contents
// only, and "metafile" creates nothing.
struct TFactoryCase {
    int32_t Keyword;
    bool InLayerContents;
    const char* KindName;  // null: no object
};

void PrintTo(const TFactoryCase& c, std::ostream* os) {
    *os << "keyword " << c.Keyword << (c.InLayerContents ? " in layer contents" : "");
}

class BoardDrawObjectFactory : public ::testing::TestWithParam<TFactoryCase> {};

TEST_P(BoardDrawObjectFactory, CreatesTheKindOfTheKeyword) {
    const TFactoryCase& c = GetParam();
    TNimboObject owner(nullptr);
    auto object = CreateBoardDrawObject(c.Keyword, &owner, c.InLayerContents);
    if (c.KindName == nullptr) {
        EXPECT_EQ(object, nullptr);
        return;
    }
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->FKindName, c.KindName);
    EXPECT_EQ(object->FOwner, &owner);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, BoardDrawObjectFactory,
    ::testing::Values(
        TFactoryCase{kw::copperPour, false, "Draw Object"},
        TFactoryCase{kw::copperPour95, true, "Draw Object"},
        TFactoryCase{kw::dimension, false, "Dimension"}, TFactoryCase{kw::fromTo, false, "FromTo"},
        TFactoryCase{kw::gluePoint, false, "GluePoint"},
        TFactoryCase{kw::infoPoint, false, "InfoPoint"},
        TFactoryCase{kw::lineKeepOut, false, "KeepOut Line"}, TFactoryCase{kw::pad, false, "Pad"},
        TFactoryCase{kw::pattern, false, "Pattern"}, TFactoryCase{kw::pcbPoly, false, "PcbPoly"},
        TFactoryCase{kw::pickPoint, false, "PickPoint"}, TFactoryCase{kw::plane, false, "Plane"},
        TFactoryCase{kw::planeObj, true, "Plane"}, TFactoryCase{kw::planeObj, false, nullptr},
        TFactoryCase{kw::polyCutOut, false, "PolyCutOut"},
        TFactoryCase{kw::polyKeepOut, false, "PolyKeepout"},
        TFactoryCase{kw::refPoint, false, "RefPoint"}, TFactoryCase{kw::room, false, "Room"},
        TFactoryCase{kw::via, false, "Via"}, TFactoryCase{kw::detail, false, "Detail"},
        TFactoryCase{kw::metafile, true, nullptr}, TFactoryCase{kw::xRef, true, nullptr},
        TFactoryCase{kw::wire, true, nullptr}));

}  // namespace
