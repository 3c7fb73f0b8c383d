// Every real-world file of the format (../shared/corpus) through zorvan-import: no crash, no
// sanitizer report, and what can be counted in the file is what the host holds afterwards.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "robustness_support.h"

namespace robust_test {
namespace {

const fs::path kCorpus = CORPUS;
const char kUnsupported[] =
    "Unsupported file version. Please try to import ZORVAN files in ASCII format!";

size_t Count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return static_cast<size_t>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

enum class TOutcome {
    Imported,     // a design whose counts are checked
    Unsupported,  // validation rejects it: the unsupported-version report
};

struct TCorpusFile {
    const char* Name;
    bool Library;
    TOutcome Outcome;
    const char* Why;
};

// The exported designs and library of another tool carry an empty embedded file name, and the
// board files name a .PCB: validation rejects both, and the report says so.
const TCorpusFile kFiles[] = {
    {"a600_8mb.sch", false, TOutcome::Imported, ""},
    {"carnivore2.sch", false, TOutcome::Imported, ""},
    {"neogs_revc.sch", false, TOutcome::Imported, ""},
    {"zxinet_revc.sch", false, TOutcome::Imported, ""},
    {"modulebit.sch", false, TOutcome::Unsupported, "empty embedded name"},
    {"modulebit.lia", true, TOutcome::Unsupported, "empty embedded name"},
    {"bms.pcb", false, TOutcome::Unsupported, "board file"},
    {"mb_004.pcb", false, TOutcome::Unsupported, "board file"},
    {"ram_board.pcb", false, TOutcome::Unsupported, "board file"},
    {"sfg_cart.pcb", false, TOutcome::Unsupported, "board file"},
    {"sock_1811.pcb", false, TOutcome::Unsupported, "board file"},
    {"bms.pcb", true, TOutcome::Unsupported, "board file given as a library"},
};

class CorpusTest : public RobustnessTest, public testing::WithParamInterface<TCorpusFile> {};

TEST_P(CorpusTest, ImportsWithTheCountsTheFileHolds) {
    const TCorpusFile& c = GetParam();
    SCOPED_TRACE(c.Why);
    const fs::path file = kCorpus / c.Name;
    if (!fs::exists(file)) GTEST_SKIP() << "no corpus at " << kCorpus;
    std::vector<std::string> arguments = {"-o", "ws"};
    if (c.Library) arguments.push_back("--library");
    arguments.push_back(file.string());
    const TRun run = RunCommand(arguments);
    const fs::path report = FDir / "ws" / (file.stem().string() + ".rpt");
    ASSERT_TRUE(fs::exists(report)) << run.Err;

    if (c.Outcome == TOutcome::Unsupported) {
        EXPECT_EQ(run.ExitCode, 5) << run.Err;
        EXPECT_NE(ReadFile(report).find(kUnsupported), std::string::npos);
        EXPECT_TRUE(SavedDocuments(FDir / "ws").empty());
        return;
    }

    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const std::string text = ReadFile(file);
    const std::vector<nlohmann::json> documents = SavedDocuments(FDir / "ws");
    std::vector<std::string> names;
    size_t components = 0;
    for (const nlohmann::json& document : documents) {
        names.push_back(document["name"]);
        if (document["kind"] == "SchLib") components += document["components"].size();
    }
    // One document per sheet, under the sheet's name.
    const std::regex sheetName("\\(sheet \"([^\"]*)\"");
    size_t sheets = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), sheetName);
         it != std::sregex_iterator(); ++it, ++sheets) {
        EXPECT_NE(std::find(names.begin(), names.end(), (*it)[1].str()), names.end())
            << "sheet " << (*it)[1];
    }
    EXPECT_GE(sheets, 1u);
    EXPECT_EQ(components, Count(text, "\\(compDef ")) << "one component per definition";
    // A one-pin vertical port is drawn as a short port and three wire segments.
    const size_t verticalPorts = Count(text, "portType [A-Za-z]*_Sgl_Vert");
    EXPECT_EQ(CountObjects(documents, "wire"), Count(text, "\\(wire \\(line ") + 3 * verticalPorts)
        << "wires";
    EXPECT_EQ(CountObjects(documents, "port"), Count(text, "\\(port \\(pt")) << "ports";
    EXPECT_EQ(CountObjects(documents, "bus"), Count(text, "\\(bus \"")) << "buses";
    EXPECT_EQ(CountObjects(documents, "busEntry"), Count(text, "\\(busEntry ")) << "bus entries";
    EXPECT_EQ(CountObjects(documents, "junction"), Count(text, "\\(junction \\(pt")) << "junctions";
}

INSTANTIATE_TEST_SUITE_P(RealWorldFiles, CorpusTest, testing::ValuesIn(kFiles),
                         [](const testing::TestParamInfo<TCorpusFile>& info) {
                             std::string name = info.param.Name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name + (info.param.Library ? "_as_library" : "");
                         });

}  // namespace
}  // namespace robust_test
