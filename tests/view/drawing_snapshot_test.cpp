// Drawings of small sheets compared byte for byte with the files in fixtures/. A change in how
// anything is placed, turned, mirrored, shaped or justified shows up as a changed line.
// After a deliberate change, look at the new drawings and rewrite the files with
//   ZORVAN_UPDATE_SNAPSHOTS=1 test_view --gtest_filter='DrawingSnapshotTest.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sheet_drawing.h"
#include "view_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = FIXTURES;

void ExpectSnapshot(const std::string& name, const std::string& svg) {
    const fs::path file = kFixtures / (name + ".svg");
    if (std::getenv("ZORVAN_UPDATE_SNAPSHOTS")) {
        std::ofstream(file, std::ios::binary) << svg;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << "missing snapshot " << file;
    std::stringstream expected;
    expected << in.rdbuf();
    if (expected.str() == svg) return;
    // Name the first line that differs, which says what moved.
    std::istringstream want(expected.str()), got(svg);
    std::string wantLine, gotLine;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(want, wantLine));
        const bool gotMore = static_cast<bool>(std::getline(got, gotLine));
        if (!more && !gotMore) break;
        if (wantLine != gotLine || more != gotMore) {
            ADD_FAILURE() << name << ".svg differs at line " << line << "\n  expected: " << wantLine
                          << "\n  drawn:    " << gotLine;
            return;
        }
    }
}

class DrawingSnapshotTest : public ViewTest {
  protected:
    std::string Draw(SchHandle sheet) {
        view::TDrawContext context;
        context.Editor = &editor();
        context.SheetLink = [](const qelsch::SheetSymbol&) { return std::string("Other.svg"); };
        const qelsch::Document* document = editor().FindDocument(sheet);
        return view::DrawSheet(*document, context, {}, document->name).Svg;
    }

    // A component that shows how it is turned: an L, a pin with a dot, name and designator,
    // a clocked pin, an arc and a text.
    void AddMarkerComponent() {
        const SchHandle library = editor().CreateDocument("SchLib", "Lib", "");
        store().CreateComponent(library, "MARK");
        qelsch::Line& foot = Add<qelsch::Line>(library);
        foot.corner = {30, 0};
        foot.color = 0x000080;
        qelsch::Line& leg = Add<qelsch::Line>(library);
        leg.location = {30, 0};
        leg.corner = {30, 20};
        leg.color = 0x000080;
        qelsch::Pin& in = Add<qelsch::Pin>(library);
        in.location = {0, 10};
        in.orientation = 2;
        in.length = 20;
        in.name = "IN";
        in.designator = "1";
        in.dot = 1;
        qelsch::Pin& clock = Add<qelsch::Pin>(library);
        clock.location = {20, 0};
        clock.orientation = 3;
        clock.length = 10;
        clock.name = "CK";
        clock.designator = "2";
        clock.clock = 1;
        qelsch::Arc& arc = Add<qelsch::Arc>(library);
        arc.location = {15, 10};
        arc.radius = 5;
        arc.startAngle = Real48(0);
        arc.endAngle = Real48(90);
        qelsch::Annotation& text = Add<qelsch::Annotation>(library);
        text.location = {4, 2};
        text.text = "F";
    }
};

TEST_F(DrawingSnapshotTest, PartsTurnedAndMirrored) {
    AddMarkerComponent();
    const SchHandle sheet = NewSheet("placed_parts", 700, 200);
    for (uint8_t i = 0; i < 8; ++i) {
        AddPart(sheet, "MARK", 60 + 80 * i, 100, i % 4, i >= 4, "U" + std::to_string(i + 1));
        TextOf(store()
                   .Find<qelsch::Part>(editor().FindDocument(sheet)->objects.back())
                   ->designatorField)
            .location = {60 + 80 * i, 150};
    }
    ExpectSnapshot("placed_parts", Draw(sheet));
}

TEST_F(DrawingSnapshotTest, PortShapesAndPowerObjects) {
    const SchHandle sheet = NewSheet("port_shapes", 500, 300);
    for (uint8_t style = 0; style < 8; ++style) {
        qelsch::Port& port = Add<qelsch::Port>(sheet);
        port.style = style;
        port.width = 40;
        port.name = "P" + std::to_string(style);
        port.location = style < 4 ? qelsch::SchPoint{40, 240 - 40 * style}
                                  : qelsch::SchPoint{140 + 40 * (style - 4), 100};
    }
    for (uint8_t orientation = 0; orientation < 4; ++orientation) {
        qelsch::PowerObject& power = Add<qelsch::PowerObject>(sheet);
        power.location = {340 + 40 * orientation, 150};
        power.orientation = orientation;
        power.text = orientation % 2 ? "GND" : "VCC";
    }
    ExpectSnapshot("port_shapes", Draw(sheet));
}

TEST_F(DrawingSnapshotTest, TextsJustifiedByTheirAnchorInEachOrientationAndFont) {
    const SchHandle sheet = NewSheet("text_justification", 400, 300);
    for (uint8_t orientation = 0; orientation < 4; ++orientation) {
        for (int32_t font = 1; font <= 3; ++font) {
            qelsch::Annotation& text = Add<qelsch::Annotation>(sheet);
            text.location = {60 + 90 * orientation, 60 + 80 * (font - 1)};
            text.orientation = orientation;
            text.fontId = font;
            text.text = font == 2 ? "Two\r\nlines" : "Text";
            qelsch::Junction& anchor = Add<qelsch::Junction>(sheet);  // shows the anchor
            anchor.location = text.location;
        }
    }
    ExpectSnapshot("text_justification", Draw(sheet));
}

TEST_F(DrawingSnapshotTest, WiringGraphicsSheetSymbolAndAPartWithoutComponent) {
    const SchHandle sheet = NewSheet("sheet_objects", 400, 300);
    qelsch::Wire& wire = Add<qelsch::Wire>(sheet);
    wire.vertices = {{20, 250}, {120, 250}, {120, 200}};
    qelsch::Bus& bus = Add<qelsch::Bus>(sheet);
    bus.vertices = {{20, 180}, {200, 180}};
    qelsch::BusEntry& entry = Add<qelsch::BusEntry>(sheet);
    entry.location = {60, 180};
    entry.corner = {70, 190};
    Add<qelsch::Junction>(sheet).location = {120, 250};
    qelsch::NetLabel& label = Add<qelsch::NetLabel>(sheet);
    label.location = {40, 250};
    label.text = "D<0> & \"x\"";
    for (uint8_t style = 0; style < 3; ++style) {
        qelsch::Line& line = Add<qelsch::Line>(sheet);
        line.location = {220, 260 - 15 * style};
        line.corner = {320, 260 - 15 * style};
        line.lineStyle = style;
    }
    qelsch::Polygon& polygon = Add<qelsch::Polygon>(sheet);
    polygon.vertices = {{220, 150}, {260, 150}, {240, 190}};
    polygon.color = 0x00C000;
    qelsch::Polyline& polyline = Add<qelsch::Polyline>(sheet);
    polyline.vertices = {{280, 150}, {300, 190}, {320, 150}};
    polyline.lineWidth = 2;
    qelsch::SheetSymbol& symbol = Add<qelsch::SheetSymbol>(sheet);
    symbol.location = {30, 140};
    symbol.xSize = 80;
    symbol.ySize = 50;
    TextOf(symbol.sheetNameField).text = "Other";
    TextOf(symbol.sheetNameField).location = {30, 80};
    TextOf(symbol.fileNameField).text = "Other.sch";
    TextOf(symbol.fileNameField).location = {30, 70};
    AddPart(sheet, "NOWHERE", 300, 60, 0, false, "U9");
    ExpectSnapshot("sheet_objects", Draw(sheet));
}

}  // namespace
