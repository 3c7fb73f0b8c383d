// Board definitions inside a library: however deeply their groups nest, the definitions around
// them read exactly as in the same library without them; board layer definitions name their
// layers in the library.

#include <gtest/gtest.h>

#include "model/attached_symbol.h"
#include "model/comp_pin.h"
#include "model/component_def.h"
#include "model/component_header.h"
#include "model/layer_def.h"
#include "model/library.h"
#include "model/pad_style.h"
#include "model/pattern_def.h"
#include "model/symbol_def.h"
#include "section_reader.h"

namespace {

constexpr const char* kTextStyle = R"~(
  (textStyleDef "(Default)" (font (fontType Stroke) (fontHeight 80)))
)~";

constexpr const char* kSymbol = R"~(
  (symbolDef "GATE" (originalName "GATE")
    (pin (pinNum 1) (pt 0 0) (rotation 180) (pinLength 300))
    (line (pt 0 0) (pt 100 0)) (attr "RefDes" "" (pt 0 0)))
)~";

constexpr const char* kComponent = R"~(
  (compDef "NAND" (originalName "NAND")
    (compHeader (numPins 2) (numParts 1) (refDesPrefix "U") (alts (ieeeAlt True)))
    (compPin "1" (partNum 1) (symPinNum 1) (pinType Input))
    (compPin "14" (partNum 1) (symPinNum 2) (pinType Power))
    (attachedSymbol (partNum 1) (altType Normal) (symbolName "GATE"))
    (attachedPattern (patternNum 1) (patternName "DIP14") (numPads 14)
      (padPinMap (padNum 1) (compPinRef "1"))))
)~";

// Real-world forms: units attached to numbers, diameters inside a width group, a pour with an
// island removal group, vertices and thermals, nested polygons with fillets, dimension graphics
// in groups of unknown words, a metafile, and a pattern kind the library does not read.
constexpr const char* kBoard = R"~(
  (padStyleDef "P:EX60" (holeDiam 30mil)
    (padShape (layerNumRef 1) (padShapeType Oval) (shapeWidth 60mil) (shapeHeight 60mil))
    (padShape (layerType Plane) (padShapeType Thrm4_45) (outsideDiam 80.0) (insideDiam 60.0)
              (spokeWidth 0.254 mm))
    (padShape (layerNumRef 2) (shapeWidth (outsideDiam 80) (insideDiam 60))
              (padShapeDfn (padShapeType MtHole))))
  (viaStyleDef "V" (holeDiam 12)
    (viaShape (layerNumRef 1) (viaShapeType Ellipse) (shapeWidth 40) (shapeHeight 40)))
  (patternDef "DIP14" (originalName "DIP14")
    (multiLayer (pad (padNum 1) (padStyleRef "P:EX60") (pt 0 0)) (via (viaStyleRef "V") (pt 1 1)))
    (layerContents (layerNumRef 1)
      (copperPour95 (islandRemoval (area 4.064e+006))
        (vertex (pt 0 0) (arc (pt 1 1) (radius 5)))
        (pcbPoly (pt 0 0) (pt 1 1))
        (thermal (pt 1 2) (pt 3 4) (thermalWidth 15)))
      (pcbPoly (pt 0 0) (pcbPoly (pt 1 1)) (fillets 5 (filletDesc (pt 0 0) (radius 2))))
      (dimension (dimDimLineGraphics (dimGraphics (dimGraphic (line (pt 0 0) (pt 1 1)))))
                 (dimTextGraphics (text (pt 0 0) "10mm")))
      (text (pt 0 0) "U?" (justify Center))
      (metafile (binaryData "0A0B")))
    (layerContents (layerNumRef 6) (line (pt 0 0) (pt 10 10) (width 10))
      (attr "RefDes" "" (pt 0 0))))
  (patternDefExtended "SO8" (originalName "SO8")
    (patternGraphicsDef (patternGraphicsNameRef "Primary") (multiLayer (pad (padNum 1)))))
)~";

std::unique_ptr<TNimboLibrary> ReadLibrary(const std::string& contents) {
    TSectionReader reader("(library \"L\"" + contents + ") END", {.SchematicUnits = true});
    auto library = reader.Read<TNimboLibrary>();
    EXPECT_TRUE(reader.AtEnd());
    return library;
}

// What the library import takes from a library: its text styles, symbols and components.
std::vector<std::string> Summary(const TNimboLibrary& library) {
    std::vector<std::string> lines;
    for (const auto& entry : library.FTextStyleDefs.FDefinitions)
        lines.push_back("style " + entry.Name);
    for (const auto& entry : library.FSymbolDefs.FDefinitions) {
        const auto& symbol = static_cast<const TNimboSymbolDef&>(*entry.Definition);
        lines.push_back("symbol " + entry.Name + " drawing " +
                        std::to_string(symbol.FDrawing.size()) + " attrs " +
                        std::to_string(symbol.FAttrs.size()));
    }
    for (const auto& entry : library.FCompDefs.FDefinitions) {
        const auto& component = static_cast<const TNimboCompDef&>(*entry.Definition);
        std::string line = "component " + entry.Name + " parts " +
                           std::to_string(component.FHeader ? component.FHeader->FNumParts : -1);
        for (const auto& pin : component.FCompPins)
            line += " pin " + pin->FPinDesignator + "/" + std::to_string(pin->FPinType);
        line += " symbols " + std::to_string(component.FAttachedSymbols.size()) + " patterns " +
                std::to_string(component.FAttachedPatterns.size());
        lines.push_back(line);
    }
    return lines;
}

TEST(LibraryWithBoardDefinitions, ReadsTheSameDefinitionsAsWithout) {
    const std::string plain = std::string(kTextStyle) + kSymbol + kComponent;
    const auto without = ReadLibrary(plain);
    ASSERT_EQ(Summary(*without).size(), 3u);

    // Board definitions before, between and after the others.
    const auto with = ReadLibrary(std::string(kBoard) + kTextStyle + kBoard + kSymbol + kBoard +
                                  kComponent + kBoard);
    EXPECT_EQ(Summary(*with), Summary(*without));
    EXPECT_EQ(with->FPadStyleDefs.Count(), 4u);
    EXPECT_EQ(with->FViaStyleDefs.Count(), 4u);
    EXPECT_EQ(with->FPatternDefs.Count(), 4u);

    auto* pad = static_cast<TNimboPadStyleDef*>(with->FindPadStyleDef("p:ex60"));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->FHoleDiam, 3);  // 30 mil in schematic units
    ASSERT_EQ(pad->FShapes.size(), 3u);
    EXPECT_EQ(pad->FShapes[2]->FShapeType, psMtHole);
    auto* pattern = static_cast<TNimboPatternDef*>(with->FindPatternDef("DIP14"));
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->FMultiLayer.size(), 2u);
    EXPECT_EQ(pattern->FLayerContents.size(), 2u);
}

TEST(LayerDef, NamesItsLayerInTheLibraryWhenTheNumberHasAnEntry) {
    auto library = ReadLibrary("");
    TSectionReader reader(
        "(layerDef \"Top Silk\" (layerNum 6)) (layerDef \"Far\" (layerNum 101)) "
        "(layerDef \"Negative\" (layerNum -1)) (layerDef \"Last\" (layerNum 100)) END");
    TNimboObject& root = reader.Root();
    root.FLibrary = library.get();
    for (int i = 0; i < 4; ++i) reader.Read<TNimboLayerDef>();
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(library->FLayerNames[6], "Top Silk");
    EXPECT_EQ(library->FLayerNames[100], "Last");
    size_t named = 0;
    for (const auto& name : library->FLayerNames) named += name.empty() ? 0 : 1;
    EXPECT_EQ(named, 2u);
}

TEST(LayerDef, WithoutALibraryReadsItsSectionAlone) {
    TSectionReader reader("(layerDef \"TOP\" (layerNum 1) (layerType Signal)) END");
    auto layer = reader.Read<TNimboLayerDef>();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(layer->FLayerNum, 1);
    EXPECT_EQ(layer->FLayerType, ltSignal);
}

}  // namespace
