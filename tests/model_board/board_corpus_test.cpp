// The board files of the corpus read through the file object from start to end: the design
// section ends at its own closing parenthesis, and what it holds is all there.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "model/ascii_file.h"
#include "model/layer_contents.h"
#include "model/layer_def.h"
#include "model/library.h"
#include "model/pcb_design.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"

namespace {

struct TBoardFile {
    const char* Name;
    size_t LayerDefs;
    size_t LayerContents;
    size_t LayerObjects;       // drawing objects in all layer contents of the design
    size_t MultiLayerObjects;  // drawing objects in the design's "multiLayer"
    size_t PadStyles;
    size_t ViaStyles;
};

void PrintTo(const TBoardFile& f, std::ostream* os) {
    *os << f.Name;
}

class BoardCorpus : public ::testing::TestWithParam<TBoardFile> {};

TEST_P(BoardCorpus, ReadsToTheEndWithEveryDesignObject) {
    const TBoardFile& f = GetParam();
    const std::string path = std::string(CORPUS) + "/" + f.Name;
    if (!std::ifstream(path)) GTEST_SKIP() << "corpus not available: " << path;
    TNimboParser parser(path);
    RegisterKeywords(parser);
    TNimboAsciiFile file(&parser, f.Name);
    file.FSchematicUnits = true;  // as for every schematic import
    file.Parse();

    EXPECT_TRUE(parser.Eof());
    auto* design = dynamic_cast<TNimboPCBDesign*>(file.FDesign);
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->FDepth, 0) << "the design did not reach its closing parenthesis";
    EXPECT_EQ(design->FName, "PcbDesign_1");
    EXPECT_NE(design->FHeader, nullptr);
    EXPECT_EQ(design->FLayerDefs.size(), f.LayerDefs);
    ASSERT_EQ(design->FLayerContents.size(), f.LayerContents);
    size_t layerObjects = 0;
    for (const auto& layer : design->FLayerContents) layerObjects += layer->FDrawObjects.size();
    EXPECT_EQ(layerObjects, f.LayerObjects);
    EXPECT_EQ(design->FMultiLayer.size(), f.MultiLayerObjects);

    auto* library = dynamic_cast<TNimboLibrary*>(file.FLibrary);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->FPadStyleDefs.Count(), f.PadStyles);
    EXPECT_EQ(library->FViaStyleDefs.Count(), f.ViaStyles);
    // Every board layer definition after the library names its layer there.
    for (const auto& layer : design->FLayerDefs) {
        if (layer->FLayerNum < 0 || layer->FLayerNum > 100) continue;
        EXPECT_EQ(library->FLayerNames[static_cast<size_t>(layer->FLayerNum)], layer->FName);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BoardCorpus,
                         ::testing::Values(TBoardFile{"bms.pcb", 18, 7, 1374, 878, 54, 2},
                                           TBoardFile{"mb_004.pcb", 16, 9, 2392, 591, 46, 3},
                                           TBoardFile{"ram_board.pcb", 11, 4, 1154, 168, 13, 1},
                                           TBoardFile{"sfg_cart.pcb", 12, 7, 2060, 304, 73, 4},
                                           TBoardFile{"sock_1811.pcb", 14, 3, 145, 10, 28, 2}),
                         [](const auto& info) {
                             std::string name = info.param.Name;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
