// The comparison of the file's nets with the host's, on netlists written out by hand.

#include "comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connectivity_report.h"

namespace connectivity {
namespace {

TPinNode Node(const std::string& text) {
    const size_t dash = text.find('-');
    return {text.substr(0, dash), text.substr(dash + 1)};
}

TFileNetlist File(const std::vector<std::pair<std::string, std::vector<std::string>>>& nets) {
    TFileNetlist file;
    for (const auto& [name, nodes] : nets) {
        TFileNet& net = file.Nets.emplace_back();
        net.Name = name;
        for (const std::string& node : nodes) net.Nodes.push_back(Node(node));
    }
    return file;
}

// Host nets as lists of pins; every pin on sheet "S" at (10 * its position, net number).
THostNetlist Host(const std::vector<std::vector<std::string>>& nets) {
    THostNetlist host;
    host.NetCount = nets.size();
    for (size_t net = 0; net < nets.size(); ++net) {
        for (const std::string& pin : nets[net]) {
            THostPin& placed = host.Pins.emplace_back();
            placed.Node = Node(pin);
            placed.Place = {
                "S", {static_cast<int64_t>(host.Pins.size()) * 10, static_cast<int64_t>(net)}};
            placed.Net = net;
        }
    }
    return host;
}

std::vector<std::string> Kinds(const TConnectivityResult& result) {
    std::vector<std::string> kinds;
    for (const TDifference& difference : result.Differences)
        kinds.push_back(KindName(difference.Kind));
    return kinds;
}

struct TCase {
    const char* name;
    TFileNetlist file;
    THostNetlist host;
    size_t identical;
    std::vector<std::string> kinds;
};

TEST(Comparison, EachKindOfDifference) {
    using V = std::vector<std::string>;
    const std::vector<TCase> cases = {
        {"the same nets",
         File({{"A", {"U1-1", "R1-1"}}, {"B", {"U1-2", "R1-2"}}}),
         Host({{"R1-1", "U1-1"}, {"R1-2", "U1-2"}}),
         2,
         {}},
        {"names compared without regard to letter case",
         File({{"A", {"u1-a", "R1-1"}}}),
         Host({{"U1-A", "r1-1"}}),
         1,
         {}},
        {"a node listed twice",
         File({{"A", {"U1-1", "R1-1", "U1-1"}}}),
         Host({{"U1-1", "R1-1"}}),
         1,
         {}},
        {"a lone pin left alone", File({{"NC", {"U1-1"}}}), Host({{"U1-1"}}), 1, {}},
        {"split", File({{"A", {"U1-1", "R1-1", "R2-1", "R3-1"}}}),
         Host({{"U1-1", "R1-1"}, {"R2-1", "R3-1"}}), 0, V{"split"}},
        {"merged", File({{"A", {"U1-1", "R1-1"}}, {"B", {"U1-2", "R1-2"}}}),
         Host({{"U1-1", "R1-1", "U1-2", "R1-2"}}), 0, V{"merged"}},
        {"a pin connected to nothing", File({{"A", {"U1-1", "R1-1", "R2-1"}}}),
         Host({{"U1-1", "R1-1"}, {"R2-1"}}), 0, V{"unconnected"}},
        {"a pin the host does not have", File({{"A", {"U1-1", "R1-1", "R9-1"}}}),
         Host({{"U1-1", "R1-1"}}), 0, V{"unconnected"}},
        {"a pin joined only in the host", File({{"A", {"U1-1", "R1-1"}}}),
         Host({{"U1-1", "R1-1", "R2-2"}}), 0, V{"hostOnly"}},
        {"a lone pin of the file joined in the host", File({{"NC", {"U1-1"}}}),
         Host({{"U1-1", "R2-2"}}), 0, V{"hostOnly"}},
        {"every pin alone", File({{"A", {"U1-1", "R1-1"}}}), Host({{"U1-1"}, {"R1-1"}}), 0,
         V{"unconnected", "unconnected"}},
        {"a net without compared pins is not counted", File({{"GND", {}}}), Host({}), 0, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TConnectivityResult result = CompareConnectivity(c.file, c.host);
        EXPECT_EQ(result.IdenticalNets, c.identical);
        EXPECT_EQ(Kinds(result), c.kinds);
    }
}

TEST(Comparison, SplitListsTheHostNetsWithTheirPlaces) {
    const TConnectivityResult result =
        CompareConnectivity(File({{"A", {"U1-1", "R1-1", "R2-1", "R3-1"}}}),
                            Host({{"U1-1", "R1-1"}, {"R2-1", "R3-1"}}));
    EXPECT_EQ(result.Nets, 1u);
    EXPECT_EQ(result.SplitNets, 1u);
    ASSERT_EQ(result.Differences.size(), 1u);
    const TDifference& split = result.Differences.front();
    EXPECT_EQ(split.Nets, std::vector<std::string>{"A"});
    ASSERT_EQ(split.Groups.size(), 2u);
    EXPECT_EQ(split.Groups[1].Pins.front().Describe(), "R2-1");
    ASSERT_TRUE(split.Groups[1].Place);
    EXPECT_EQ(split.Groups[1].Place->At, (TSheetPoint{30, 1}));
}

TEST(Comparison, MergedNamesEveryFileNetOnTheHostNet) {
    const TConnectivityResult result = CompareConnectivity(
        File({{"A", {"U1-1", "R1-1"}}, {"B", {"U1-2", "R1-2"}}, {"C", {"U1-3", "R1-3"}}}),
        Host({{"U1-1", "R1-1", "U1-2", "R1-2", "U1-3"}, {"R1-3"}}));
    EXPECT_EQ(result.MergingHostNets, 1u);
    EXPECT_EQ(result.UnconnectedPins, 1u);  // R1-3
    const auto merged =
        std::find_if(result.Differences.begin(), result.Differences.end(),
                     [](const TDifference& d) { return d.Kind == TDifferenceKind::Merged; });
    ASSERT_NE(merged, result.Differences.end());
    EXPECT_EQ(merged->Nets, (std::vector<std::string>{"A", "B", "C"}));
}

TEST(Comparison, AMissingPinPointsAtItsPartWhenThePartIsThere) {
    THostNetlist host = Host({{"U1-1", "R1-1"}});
    host.Parts["R9"] = {"Sheet2", {500, 600}};
    const TConnectivityResult result =
        CompareConnectivity(File({{"A", {"U1-1", "R1-1", "r9-4", "Q1-1"}}}), host);
    ASSERT_EQ(result.Differences.size(), 2u);
    EXPECT_TRUE(result.Differences[0].MissingInHost);
    ASSERT_TRUE(result.Differences[0].Groups[0].Place);
    EXPECT_EQ(result.Differences[0].Groups[0].Place->Sheet, "Sheet2");
    EXPECT_FALSE(result.Differences[1].Groups[0].Place);  // Q1 is nowhere
}

TEST(Comparison, ANodeInTwoFileNetsCountsInTheFirst) {
    const TConnectivityResult result =
        CompareConnectivity(File({{"A", {"U1-1", "R1-1"}}, {"B", {"U1-1", "R2-1"}}}),
                            Host({{"U1-1", "R1-1"}, {"R2-1"}}));
    EXPECT_EQ(result.IdenticalNets, 2u);  // B is R2-1 alone, as in the host
}

TEST(Report, SummaryLineAndListing) {
    const TConnectivityResult same =
        CompareConnectivity(File({{"A", {"U1-1", "R1-1"}}}), Host({{"U1-1", "R1-1"}}));
    EXPECT_EQ(SummaryLine(same), "connectivity: 1 of 1 net identical");

    const TConnectivityResult split = CompareConnectivity(
        File({{"A", {"U1-1", "R1-1", "R2-1", "R3-1"}}, {"B", {"U2-1", "R5-1"}}}),
        Host({{"U1-1", "R1-1"}, {"R2-1", "R3-1"}, {"U2-1", "R5-1"}}));
    EXPECT_EQ(SummaryLine(split),
              "connectivity: 1 of 2 nets identical; 1 split, 0 merged, 0 pins unconnected, 0 pins "
              "connected only in the host");
    const auto listed = ListDifferences(split, qelsch::CodePage::Auto);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].Text, "net \"A\" is split in 2: U1-1 R1-1 | R2-1 R3-1");
    EXPECT_EQ(DescribePlace(listed[0]), "S (10, 0)");
}

TEST(Report, NamesInTheFilesCodePageBecomeUtf8) {
    // 0xC0 is a Cyrillic capital A in Windows-1251.
    const TConnectivityResult result =
        CompareConnectivity(File({{"\xC0", {"U1-1", "R1-1"}}}), Host({{"U1-1"}, {"R1-1"}}));
    const auto listed = ListDifferences(result, qelsch::CodePage::Cp1251);
    ASSERT_FALSE(listed.empty());
    EXPECT_NE(listed[0].Text.find("\"\xD0\x90\""), std::string::npos) << listed[0].Text;
}

}  // namespace
}  // namespace connectivity
