// Reading the netlist a design file carries.

#include "file_netlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace connectivity {
namespace {

std::vector<std::string> Describe(const std::vector<TPinNode>& nodes) {
    std::vector<std::string> texts;
    for (const TPinNode& node : nodes) texts.push_back(node.Describe());
    return texts;
}

TEST(FileNetlist, NetsWithTheirNodesAndPowerComponentsSetApart) {
    std::string problem;
    const auto netlist = ReadFileNetlist(FIXTURES "/lost.sch", problem);
    ASSERT_TRUE(netlist) << problem;
    ASSERT_EQ(netlist->Nets.size(), 3u);
    EXPECT_EQ(netlist->Nets[0].Name, "A");
    EXPECT_EQ(Describe(netlist->Nets[0].Nodes), (std::vector<std::string>{"R1-2", "R2-1"}));
    // #PWR1 is a power component: a power object, not a part, stands for it.
    EXPECT_EQ(Describe(netlist->Nets[1].Nodes), std::vector<std::string>{"R1-1"});
    EXPECT_EQ(Describe(netlist->NotCompared), std::vector<std::string>{"#PWR1-1"});
}

TEST(FileNetlist, NoNetlistOrNoFileIsAProblemNotANetlist) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {FIXTURES "/no_netlist.sch", "no netlist"},
        {FIXTURES "/does_not_exist.sch", "cannot be read"},
    };
    for (const auto& [file, reason] : cases) {
        std::string problem;
        EXPECT_FALSE(ReadFileNetlist(file, problem)) << file;
        EXPECT_NE(problem.find(reason), std::string::npos) << problem;
    }
}

}  // namespace
}  // namespace connectivity
