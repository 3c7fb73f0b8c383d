// Pad and via style definitions: fields, defaults, word tables and the groups a shape may hold.

#include <gtest/gtest.h>

#include "model/pad_style.h"
#include "model/via_style.h"
#include "section_reader.h"

namespace {

constexpr int32_t kMil = 10000;  // internal units per mil

TEST(PadStyleDef, ReadsHoleAndShapesInInternalUnits) {
    TSectionReader reader(R"~((padStyleDef "P:EX60" (holeDiam 30) (startRange 1) (endRange 2)
    (padShape (layerNumRef 1) (padShapeType Oval) (shapeWidth 60) (shapeHeight 50 mil) )
    (padShape (layerType Plane) (padShapeType Thrm4_45) (outsideDiam 80.0) (insideDiam 60.0)
              (spokeWidth 0.254 mm) (rotation 45.5) (sides 6) (noCopperPourConnect True) )
  ) END)~");
    auto style = reader.Read<TNimboPadStyleDef>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(style->FName, "P:EX60");
    EXPECT_EQ(style->FHoleDiam, 30 * kMil);
    EXPECT_EQ(style->FStartRange, 1);
    EXPECT_EQ(style->FEndRange, 2);
    EXPECT_TRUE(style->FIsHolePlated);
    EXPECT_TRUE(style->FUseGlobalSwell);
    ASSERT_EQ(style->FShapes.size(), 2u);

    const TNimboShapeByLayer& first = *style->FShapes[0];
    EXPECT_EQ(first.FKindName, "PadShapeByLayer");
    EXPECT_EQ(first.FLayerNumRef, 1);
    EXPECT_EQ(first.FLayerType, ltNone);
    EXPECT_EQ(first.FShapeType, psOval);
    EXPECT_EQ(first.FShapeWidth, 60 * kMil);
    EXPECT_EQ(first.FShapeHeight, 50 * kMil);

    const TNimboShapeByLayer& thermal = *style->FShapes[1];
    EXPECT_EQ(thermal.FLayerType, ltPlane);
    EXPECT_EQ(thermal.FShapeType, psThrm4_45);
    EXPECT_EQ(thermal.FOutsideDiam, 80 * kMil);
    EXPECT_EQ(thermal.FInsideDiam, 60 * kMil);
    EXPECT_EQ(thermal.FSpokeWidth, 100000);  // 0.254 mm is 10 mil
    EXPECT_DOUBLE_EQ(thermal.FRotation, 45.5);
    EXPECT_EQ(thermal.FSides, 6);
    EXPECT_TRUE(thermal.FNoCopperPourConnect);
}

TEST(PadStyleDef, InsideALibraryLengthsAreSchematicUnits) {
    TSectionReader reader("(padStyleDef \"P\" (holeDiam 30) (padShape (shapeWidth 60))) END",
                          {.SchematicUnits = true});
    auto style = reader.Read<TNimboPadStyleDef>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(style->FHoleDiam, 3);
    ASSERT_EQ(style->FShapes.size(), 1u);
    EXPECT_EQ(style->FShapes[0]->FShapeWidth, 6);
}

TEST(ViaStyleDef, ReadsOffsetFlagsAndSkipsUnknownGroups) {
    TSectionReader reader(R"~((viaStyleDef "V1" (holeOffset 5 -5) (isHolePlated False)
    (useGlobalSwell false) (localSwell 2)
    (viaShape (layerType Signal) (viaShapeType Ellipse) (shapeWidth 40) (shapeHeight 40))
    (unknownThing (a b) c)
    (viaShape (layerNumRef 2) (viaShapeType NoConnect))
  ) END)~");
    auto style = reader.Read<TNimboViaStyleDef>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(style->FName, "V1");
    EXPECT_EQ(style->FHoleOffset, (TPoint{5 * kMil, -5 * kMil}));
    EXPECT_FALSE(style->FIsHolePlated);
    EXPECT_FALSE(style->FUseGlobalSwell);
    EXPECT_EQ(style->FLocalSwell, 2 * kMil);
    ASSERT_EQ(style->FShapes.size(), 2u);
    EXPECT_EQ(style->FShapes[0]->FKindName, "ViaShapeByLayer");
    EXPECT_EQ(style->FShapes[0]->FLayerType, ltSignal);
    EXPECT_EQ(style->FShapes[0]->FShapeType, psEllipse);
    EXPECT_EQ(style->FShapes[1]->FLayerNumRef, 2);
    EXPECT_EQ(style->FShapes[1]->FShapeType, psNoConnect);
}

// The shape word of a pad and of a via: the same table, except that "Target" and "MtHole"
// are pad shapes only; an unknown word leaves the code it had.
struct TShapeWordCase {
    const char* Word;
    uint8_t PadCode;
    uint8_t ViaCode;
};

void PrintTo(const TShapeWordCase& c, std::ostream* os) {
    *os << c.Word;
}

class ShapeWord : public ::testing::TestWithParam<TShapeWordCase> {};

TEST_P(ShapeWord, GivesThePadAndViaCodes) {
    const TShapeWordCase& c = GetParam();
    {
        TSectionReader reader(std::string("(padShape (padShapeType ") + c.Word + ")) END");
        auto shape = reader.Read<TNimboPadShapeByLayer>();
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(shape->FShapeType, c.PadCode);
    }
    {
        TSectionReader reader(std::string("(viaShape (viaShapeType ") + c.Word + ")) END");
        auto shape = reader.Read<TNimboViaShapeByLayer>();
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(shape->FShapeType, c.ViaCode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, ShapeWord,
    ::testing::Values(TShapeWordCase{"Ellipse", 1, 1}, TShapeWordCase{"RNDRECT", 4, 4},
                      TShapeWordCase{"Thrm2_90", 6, 6}, TShapeWordCase{"Polygon", 11, 11},
                      TShapeWordCase{"Target", 12, 0}, TShapeWordCase{"MtHole", 13, 0},
                      TShapeWordCase{"mthole", 13, 0}, TShapeWordCase{"Square", 0, 0}));

TEST(ShapeByLayer, AnUnknownWordKeepsTheEarlierCode) {
    TSectionReader reader(
        "(viaShape (viaShapeType Rect) (viaShapeType MtHole) (layerType Plane) "
        "(layerType Copper)) END");
    auto shape = reader.Read<TNimboViaShapeByLayer>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(shape->FShapeType, psRect);
    EXPECT_EQ(shape->FLayerType, ltPlane);
}

TEST(ShapeByLayer, ReadsDiametersAndShapeTypeWhereTheirGroupsHoldThem) {
    // The diameters inside the width group and the shape type inside a definition group are
    // read where they stand, and the shape still ends at its own parenthesis.
    TSectionReader reader(
        "(padShape (shapeWidth (outsideDiam 80) (insideDiam 60)) (shapeHeight 40) "
        "(padShapeDfn (padShapeType Thrm4)) (layerNumRef 3)) END");
    auto shape = reader.Read<TNimboPadShapeByLayer>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(shape->FShapeWidth, 0);
    EXPECT_EQ(shape->FOutsideDiam, 80 * kMil);
    EXPECT_EQ(shape->FInsideDiam, 60 * kMil);
    EXPECT_EQ(shape->FShapeHeight, 40 * kMil);
    EXPECT_EQ(shape->FShapeType, psThrm4);
    EXPECT_EQ(shape->FLayerNumRef, 3);
}

}  // namespace
