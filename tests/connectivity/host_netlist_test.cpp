// The joining rules of the host's nets, on sheets built directly in the editor's store.

#include "host_netlist.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "connection_points.h"
#include "editor.h"
#include "object_store.h"

namespace connectivity {
namespace {

using qelsch::SchPoint;

class HostNetlist : public ::testing::Test {
  public:  // the cases' drawing functions use the helpers
    void SetUp() override {
        Editor().Reset();
        // A two-pin component drawn as a library would hold it: pin 1 reaches 10 to the left
        // of (0, 0), pin 2 10 to the right of (20, 0). Placed at P, their ends are P + (-10, 0)
        // and P + (30, 0).
        const SchHandle library = Store().CreateDocument(qelsch::DocumentKind::Library, "lib", "");
        Store().CreateComponent(library, "RES");
        AddLibraryPin(library, "1", {0, 0}, 2);
        AddLibraryPin(library, "2", {20, 0}, 0);
    }
    void TearDown() override { Editor().Reset(); }

    static qelsch::SchEditor& Editor() { return qelsch::Editor(); }
    static qelsch::ObjectStore& Store() { return Editor().Store(); }

    void AddLibraryPin(SchHandle library, const std::string& designator, SchPoint at,
                       uint8_t orientation) {
        const SchHandle handle = Store().CreateObject(kSchKindPin);
        auto* pin = Store().Find<qelsch::Pin>(handle);
        pin->designator = designator;
        pin->location = at;
        pin->orientation = orientation;
        pin->length = 10;
        Store().AddToContainer(library, handle);
    }

    SchHandle Sheet(const std::string& name = "S1") {
        return Store().CreateDocument(qelsch::DocumentKind::Sheet, name, "");
    }
    template <class T>
    T& Add(SchHandle sheet, uint8_t kind, SchPoint at = {}) {
        const SchHandle handle = Store().CreateObject(kind);
        T& object = *Store().Find<T>(handle);
        object.location = at;
        Store().AddToContainer(sheet, handle);
        return object;
    }
    qelsch::Part& Part(SchHandle sheet, const std::string& designator, SchPoint at,
                       uint8_t orientation = 0, bool mirrored = false) {
        auto& part = Add<qelsch::Part>(sheet, kSchKindPart, at);
        part.libReference = "res";  // found without regard to letter case
        part.orientation = orientation;
        part.mirrored = mirrored ? 1 : 0;
        Store().Find<qelsch::Text>(part.designatorField)->text = designator;
        return part;
    }
    void Wire(SchHandle sheet, std::initializer_list<SchPoint> vertices) {
        Add<qelsch::Wire>(sheet, kSchKindWire).vertices = vertices;
    }
    void Junction(SchHandle sheet, SchPoint at) {
        Add<qelsch::Junction>(sheet, kSchKindJunction, at);
    }
    void Label(SchHandle sheet, const std::string& text, SchPoint at) {
        Add<qelsch::NetLabel>(sheet, kSchKindNetLabel, at).text = text;
    }
    void Power(SchHandle sheet, const std::string& text, SchPoint at) {
        Add<qelsch::PowerObject>(sheet, kSchKindPowerObject, at).text = text;
    }
    void Port(SchHandle sheet, const std::string& name, SchPoint at, int32_t width,
              uint8_t style = 0) {
        auto& port = Add<qelsch::Port>(sheet, kSchKindPort, at);
        port.name = name;
        port.width = width;
        port.style = style;
    }

    // Whether two pins ("R1-2") are on one net.
    static bool Joined(const THostNetlist& nets, const std::string& a, const std::string& b) {
        std::optional<size_t> netA, netB;
        for (const THostPin& pin : nets.Pins) {
            if (pin.Node.Describe() == a) netA = pin.Net;
            if (pin.Node.Describe() == b) netB = pin.Net;
        }
        EXPECT_TRUE(netA && netB) << a << " or " << b << " not placed";
        return netA && netB && *netA == *netB;
    }
};

// R1 at (0, 0): R1-2 ends at (30, 0). R2 at (100, 0): R2-1 ends at (90, 0).
struct TJoinCase {
    const char* name;
    std::function<void(HostNetlist&, SchHandle sheet)> draw;
    bool joined;  // R1-2 and R2-1
};

TEST_F(HostNetlist, EachRuleJoinsOrKeepsApartTwoPins) {
    using H = HostNetlist;
    const std::vector<TJoinCase> cases = {
        {"nothing between them", [](H&, SchHandle) {}, false},
        {"one wire end to end",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {90, 0}});
         },
         true},
        {"two wires meeting at their ends",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {60, 0}});
             h.Wire(s, {{60, 0}, {90, 0}});
         },
         true},
        {"a bent wire through its vertices",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 50}, {90, 50}, {90, 0}});
         },
         true},
        {"a slanted wire passing a wire end's line only",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 10}});
             h.Wire(s, {{0, -20}, {20, 0}});  // its line, not the segment, holds (30, 10)
             h.Wire(s, {{0, -20}, {90, -20}, {90, 0}});
         },
         false},
        {"a wire end on another wire's segment",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {60, 0}});
             h.Wire(s, {{60, -40}, {60, 40}});
             h.Wire(s, {{60, 30}, {90, 30}, {90, 0}});
         },
         true},
        {"crossing wires without a junction",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 20}, {70, 20}});
             h.Wire(s, {{50, -10}, {50, 40}, {90, 40}, {90, 0}});
         },
         false},
        {"crossing wires with a junction",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 20}, {70, 20}});
             h.Wire(s, {{50, -10}, {50, 40}, {90, 40}, {90, 0}});
             h.Junction(s, {50, 20});
         },
         true},
        {"an inner vertex on another wire's segment",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 20}, {60, 20}});
             h.Wire(s, {{45, 30}, {45, 20}, {45, 10}, {90, 10}, {90, 0}});
         },
         false},
        {"a wire end inside a slanted wire",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 10}});
             h.Wire(s, {{20, 0}, {60, 40}});
             h.Wire(s, {{60, 40}, {90, 40}, {90, 0}});
         },
         true},
        {"a pin end inside a wire",
         [](H& h, SchHandle s) {
             h.Wire(s, {{0, 0}, {200, 0}});
         },
         true},
        {"net labels of one name on a sheet",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 50}});
             h.Label(s, "data", {30, 40});
             h.Wire(s, {{90, 0}, {90, 50}});
             h.Label(s, "DATA", {90, 50});
         },
         true},
        {"net labels of different names",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 50}});
             h.Label(s, "A", {30, 50});
             h.Wire(s, {{90, 0}, {90, 50}});
             h.Label(s, "B", {90, 50});
         },
         false},
        {"a net label off the wire",
         [](H& h, SchHandle s) {
             h.Wire(s, {{30, 0}, {30, 50}});
             h.Label(s, "A", {35, 50});
             h.Wire(s, {{90, 0}, {90, 50}});
             h.Label(s, "A", {90, 50});
         },
         false},
        {"a net label and a power object of one name",
         [](H& h, SchHandle s) {
             h.Label(s, "VCC", {30, 0});
             h.Power(s, "VCC", {90, 0});
         },
         true},
        {"a port's far end",
         [](H& h, SchHandle s) {
             h.Port(s, "P", {30, 0}, 60);
         },
         true},
        {"a vertical port reaches along y",
         [](H& h, SchHandle s) {
             h.Port(s, "P", {30, 0}, 60, 4);
             h.Wire(s, {{30, 60}, {90, 60}, {90, 0}});
         },
         true},
        {"a bus and bus entries join nothing",
         [](H& h, SchHandle s) {
             h.Add<qelsch::Bus>(s, kSchKindBus).vertices = {{30, 0}, {90, 0}};
             h.Add<qelsch::BusEntry>(s, kSchKindBusEntry, {30, 0}).corner = {90, 0};
         },
         false},
    };
    for (const TJoinCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor().Reset();
        SetUp();
        const SchHandle sheet = Sheet();
        Part(sheet, "R1", {0, 0});
        Part(sheet, "R2", {100, 0});
        c.draw(*this, sheet);
        EXPECT_EQ(Joined(ExtractHostNetlist(Editor()), "R1-2", "R2-1"), c.joined);
    }
}

TEST_F(HostNetlist, NamesJoinAcrossSheetsOnlyForPortsAndPowerObjects) {
    struct TScopeCase {
        const char* name;
        std::function<void(HostNetlist&, SchHandle at, SchPoint)> mark;
        bool joined;
    };
    const std::vector<TScopeCase> cases = {
        {"ports", [](HostNetlist& h, SchHandle s, SchPoint p) { h.Port(s, "N", p, 30); }, true},
        {"power objects", [](HostNetlist& h, SchHandle s, SchPoint p) { h.Power(s, "N", p); },
         true},
        {"net labels", [](HostNetlist& h, SchHandle s, SchPoint p) { h.Label(s, "N", p); }, false},
    };
    for (const TScopeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor().Reset();
        SetUp();
        const SchHandle first = Sheet("S1");
        const SchHandle second = Sheet("S2");
        Part(first, "R1", {0, 0});
        Part(second, "R2", {0, 0});
        c.mark(*this, first, {30, 0});
        c.mark(*this, second, {30, 0});
        EXPECT_EQ(Joined(ExtractHostNetlist(Editor()), "R1-2", "R2-2"), c.joined);
    }
}

TEST_F(HostNetlist, PinsOfOnePartAndPinsAloneAreTheirOwnNets) {
    const SchHandle sheet = Sheet();
    Part(sheet, "R1", {0, 0});
    const THostNetlist nets = ExtractHostNetlist(Editor());
    ASSERT_EQ(nets.Pins.size(), 2u);
    EXPECT_EQ(nets.NetCount, 2u);
    EXPECT_FALSE(Joined(nets, "R1-1", "R1-2"));
    EXPECT_EQ(nets.Pins[0].Place.Sheet, "S1");
}

TEST_F(HostNetlist, APartWhoseComponentIsMissingHasNoPinsButAPlace) {
    const SchHandle sheet = Sheet();
    Part(sheet, "U9", {70, 80}).libReference = "NOSUCH";
    const THostNetlist nets = ExtractHostNetlist(Editor());
    EXPECT_TRUE(nets.Pins.empty());
    ASSERT_TRUE(nets.Parts.contains("U9"));
    EXPECT_EQ(nets.Parts.at("U9").At, (TSheetPoint{70, 80}));
}

TEST_F(HostNetlist, LibraryDocumentsAreNotSheets) {
    // The library's own pins stand in no sheet: nothing is placed.
    EXPECT_TRUE(ExtractHostNetlist(Editor()).Pins.empty());
}

// The placed electrical end: turned, then mirrored in x, then moved (as the editor places the
// part's graphics). Pin at (20, 0) reaching 10 towards +x: local end (30, 0).
TEST(PlacedPinEnd, TurnsThenMirrorsThenMoves) {
    struct TCase {
        uint8_t orientation;
        bool mirrored;
        TSheetPoint end;
    };
    const std::vector<TCase> cases = {
        {0, false, {130, 200}}, {1, false, {100, 230}}, {2, false, {70, 200}},
        {3, false, {100, 170}}, {0, true, {70, 200}},   {1, true, {100, 230}},
        {4, false, {130, 200}},  // only the two low bits count
    };
    qelsch::Pin pin;
    pin.location = {20, 0};
    pin.length = 10;
    pin.orientation = 0;
    for (const TCase& c : cases) {
        qelsch::Part part;
        part.location = {100, 200};
        part.orientation = c.orientation;
        part.mirrored = c.mirrored;
        EXPECT_EQ(PlacedPinEnd(part, pin), c.end)
            << int(c.orientation) << (c.mirrored ? " mirrored" : "");
    }
}

TEST(PlacedPinEnd, ExtremeCoordinatesDoNotOverflow) {
    qelsch::Pin pin;
    pin.location = {INT32_MAX, INT32_MAX};
    pin.length = INT32_MAX;
    qelsch::Part part;
    part.location = {INT32_MAX, INT32_MAX};
    const TSheetPoint end = PlacedPinEnd(part, pin);
    EXPECT_EQ(end.X, 3 * static_cast<int64_t>(INT32_MAX));
}

TEST(PortEnds, AlongXOrY) {
    qelsch::Port port;
    port.location = {10, 20};
    port.width = 30;
    EXPECT_EQ(PortEnds(port)[1], (TSheetPoint{40, 20}));
    port.style = 6;
    EXPECT_EQ(PortEnds(port)[1], (TSheetPoint{10, 50}));
}

}  // namespace
}  // namespace connectivity
