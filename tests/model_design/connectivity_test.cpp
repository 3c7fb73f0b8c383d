// Wires, bus entries, net labels, buses, junctions and ports, imported into the reference editor.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design_import.h"

namespace design_test {
namespace {

using qelsch::SchPoint;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string Sheet(std::string_view objects) {
    return "(schDesignHeader (workspaceSize 10000 8000))\n(sheet \"S1\"\n" + std::string(objects) +
           ")\n";
}

std::string Wire(std::string_view net, std::string_view ends, std::string_view extra = "") {
    return "(wire (line " + std::string(ends) + " (netNameRef \"" + std::string(net) + "\"))" +
           std::string(extra) + ")\n";
}

class Connectivity : public DesignImport {
  protected:
    const qelsch::Document& ImportSheet(std::string_view objects) {
        Import(DesignFile("", "", Sheet(objects)));
        const qelsch::Document* sheet = Document("S1");
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
};

struct BusEntryCase {
    const char* name;
    std::string objects;
    std::vector<SchPoint> wire;
    std::vector<std::pair<SchPoint, SchPoint>> entries;  // location, corner
};

TEST_F(Connectivity, WireEndsOnBusEntriesArePulledBackAndJoinedAt45Degrees) {
    const std::vector<BusEntryCase> cases = {
        {"horizontal",
         "(busEntry (busNameRef \"B\") (pt 1000 2000))" +
             Wire("A", "(pt 1000 2000) (pt 3000 2000)"),
         {{110, 200}, {300, 200}},
         {{{100, 190}, {110, 200}}}},
        {"right lead",
         "(busEntry (pt 1000 2000))" +
             Wire("A", "(pt 1000 2000) (endStyle RightLead) (pt 3000 2000)"),
         {{110, 200}, {300, 200}},
         {{{100, 210}, {110, 200}}}},
        {"vertical, second end",
         Wire("A", "(pt 4000 5000) (pt 4000 3000)") + "(busEntry (pt 4000 3000))",
         {{400, 500}, {400, 310}},
         {{{410, 300}, {400, 310}}}},
        {"both ends",
         "(busEntry (pt 0 0)) (busEntry (pt 1000 0))" + Wire("A", "(pt 0 0) (pt 1000 0)"),
         {{10, 0}, {90, 0}},
         {{{0, -10}, {10, 0}}, {{100, 10}, {90, 0}}}},
        {"no bus entry touched",
         "(busEntry (pt 5000 5000))" + Wire("A", "(pt 0 0) (pt 1000 0)"),
         {{0, 0}, {100, 0}},
         {}},
        {"ends coincide on a bus entry",
         "(busEntry (pt 500 500))" + Wire("A", "(pt 500 500) (pt 500 500)"),
         {{50, 50}, {50, 50}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const auto& sheet = ImportSheet(c.objects);
        const auto wires = Objects<qelsch::Wire>(sheet);
        ASSERT_EQ(wires.size(), 1u);
        EXPECT_EQ(wires[0]->vertices, c.wire);
        EXPECT_EQ(wires[0]->lineWidth, 1);
        const auto entries = Objects<qelsch::BusEntry>(sheet);
        ASSERT_EQ(entries.size(), c.entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i]->location, c.entries[i].first);
            EXPECT_EQ(entries[i]->corner, c.entries[i].second);
        }
        TearDown();
    }
}

TEST_F(Connectivity, ManyWiresMeetingOneBusFindTheirEntriesOnly) {
    // Twenty wires ending on a vertical bus at x = 100; every other one has an entry.
    std::string objects;
    for (int i = 0; i < 20; ++i) {
        const std::string y = std::to_string(i * 200);
        if (i % 2 == 0) objects += "(busEntry (pt 1000 " + y + "))";
        objects += Wire("N" + std::to_string(i), "(pt 1000 " + y + ") (pt 3000 " + y + ")");
    }
    const auto& sheet = ImportSheet(objects);
    const auto wires = Objects<qelsch::Wire>(sheet);
    ASSERT_EQ(wires.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(wires[i]->vertices.front().x, i % 2 == 0 ? 110 : 100) << i;
    }
    EXPECT_EQ(Objects<qelsch::BusEntry>(sheet).size(), 10u);
}

TEST_F(Connectivity, NetLabelSnapsOntoItsWireAndReportsAMove) {
    const auto& sheet = ImportSheet(
        Wire("CLK", "(pt 0 0) (pt 1000 0)", "(dispName True) (text (pt 400 0) \"ignored\")") +
        Wire("DATA", "(pt 0 1000) (pt 1000 1000)",
             "(dispName True) (text (pt 400 1150) \"x\" (rotation 90))") +
        Wire("HIDDEN", "(pt 0 2000) (pt 1000 2000)", "(text (pt 400 2000) \"x\")"));
    const auto labels = Objects<qelsch::NetLabel>(sheet);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0]->text, "CLK");
    EXPECT_EQ(labels[0]->location, (SchPoint{40, 0}));
    EXPECT_EQ(labels[1]->text, "DATA");
    EXPECT_EQ(labels[1]->location, (SchPoint{40, 100}));
    EXPECT_EQ(labels[1]->orientation, 1);
    const auto warnings = ImportWarnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("1. Wire name at (40,115) moved to"));
    EXPECT_THAT(warnings[0], HasSubstr("Net label : DATA (40, 100)"));
}

TEST_F(Connectivity, BusKeepsEveryVertexAndJunctionItsPoint) {
    std::string points;
    for (int i = 0; i < 60; ++i) points += "(pt " + std::to_string(i * 100) + " 0)";
    const auto& sheet = ImportSheet("(bus \"D[0:7]\" (pt 0 0) (pt 1000 0) (pt 1000 1000))" +
                                    ("(bus \"LONG\" " + points + ")") + "(junction (pt 500 700))");
    const auto buses = Objects<qelsch::Bus>(sheet);
    ASSERT_EQ(buses.size(), 2u);
    EXPECT_THAT(buses[0]->vertices,
                ElementsAre(SchPoint{0, 0}, SchPoint{100, 0}, SchPoint{100, 100}));
    EXPECT_EQ(buses[0]->lineWidth, 2);
    EXPECT_EQ(buses[1]->vertices.size(), 60u);
    const auto junctions = Objects<qelsch::Junction>(sheet);
    ASSERT_EQ(junctions.size(), 1u);
    EXPECT_EQ(junctions[0]->location, (SchPoint{50, 70}));
}

struct PortCase {
    const char* name;
    std::string objects;
    SchPoint location;
    uint8_t style;
    int32_t width;
    std::vector<std::vector<SchPoint>> wires;  // segments drawn for the port
    std::string message;                       // "" for none
};

TEST_F(Connectivity, PortsTakeShapeWidthAndPlaceFromTypeDirectionAndWires) {
    const std::string leftAngle =
        "(port (pt 1000 1000) (netNameRef \"A\") (portType LEFTANGLE_DBL_HORZ) (rotation 180))";
    const std::vector<PortCase> cases = {
        {"one pin horizontal",
         "(port (pt 1000 1000) (netNameRef \"P\") (portType PLAIN_SGL_HORZ))",
         {100, 100},
         0,
         30,
         {},
         "Default port width of 30 used."},
        {"lower-case type word",
         "(port (pt 1000 1000) (netNameRef \"P\") (portType plain_sgl_horz))",
         {100, 100},
         0,
         30,
         {},
         "Default port width of 30 used."},
        {"two pins reaching the near wire",
         leftAngle + Wire("A", "(pt 400 1000) (pt 0 1000)"),
         {40, 100},
         2,
         60,
         {{{40, 100}, {0, 100}}},
         ""},
        {"two pins, wire too far",
         leftAngle + Wire("A", "(pt -200 1000) (pt -600 1000)"),
         {70, 100},
         2,
         30,
         {{{-20, 100}, {-60, 100}}},
         ""},
        {"vertical two pins",
         "(port (pt 2000 2000) (netNameRef \"V\") (portType RIGHTANGLE_DBL_VERT))" +
             Wire("V", "(pt 2000 2500) (pt 2000 4000)"),
         {200, 200},
         5,
         50,
         {{{200, 250}, {200, 400}}},
         ""},
        {"one pin vertical, approximated",
         "(port (pt 3000 3000) (netNameRef \"Q\") (portType PLAIN_SGL_VERT) (rotation 270))",
         {305, 290},
         4,
         20,
         {{{300, 300}, {302, 300}}, {{305, 290}, {302, 290}}, {{302, 290}, {302, 300}}},
         "ZORVAN Port will be approximated with a port and additional wires."},
        {"a wire differing in letter case ends the search",
         "(port (pt 1000 1000) (netNameRef \"a\") (portType PLAIN_DBL_HORZ))" +
             Wire("A", "(pt 1500 1000) (pt 1800 1000)") +
             Wire("a", "(pt 1200 1000) (pt 1300 1000)"),
         {100, 100},
         0,
         30,
         {{{150, 100}, {180, 100}}, {{120, 100}, {130, 100}}},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const auto& sheet = ImportSheet(c.objects);
        const auto ports = Objects<qelsch::Port>(sheet);
        ASSERT_EQ(ports.size(), 1u);
        EXPECT_EQ(ports[0]->location, c.location);
        EXPECT_EQ(ports[0]->style, c.style);
        EXPECT_EQ(ports[0]->width, c.width);
        std::vector<std::vector<SchPoint>> wires;
        for (const auto* wire : Objects<qelsch::Wire>(sheet)) wires.push_back(wire->vertices);
        EXPECT_EQ(wires, c.wires);
        if (c.message.empty()) {
            EXPECT_TRUE(ImportWarnings().empty());
        } else {
            ASSERT_EQ(ImportWarnings().size(), 1u);
            EXPECT_THAT(ImportWarnings()[0], HasSubstr(c.message));
            EXPECT_THAT(ImportWarnings()[0], HasSubstr("Port : "));
        }
        TearDown();
    }
}

TEST_F(Connectivity, PortSeesWireEndsAsShortenedByEarlierWires) {
    // The wire stands before the port and ends on a bus entry: the port reaches its new end.
    const auto& sheet =
        ImportSheet("(busEntry (pt 1500 1000))" + Wire("A", "(pt 1500 1000) (pt 1500 3000)") +
                    "(port (pt 1500 500) (netNameRef \"A\") (portType PLAIN_DBL_VERT))");
    const auto ports = Objects<qelsch::Port>(sheet);
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0]->width, 60);  // from y = 50 to the shortened end at y = 110
}

}  // namespace
}  // namespace design_test
