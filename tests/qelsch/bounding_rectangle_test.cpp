// Extents reported by SchAPI_GetObjectBoundingRectangle (lower left, upper right; host units).
#include "bounding_rectangle.h"

#include <tuple>

#include "editor_fixture.h"

namespace {

using qelsch::Rect;

class BoundingRectangleTest : public EditorTest {
  protected:
    static Rect Extent(SchHandle object) {
        Rect r{-1, -1, -1, -1};
        EXPECT_EQ(SchAPI_GetObjectBoundingRectangle(object, &r.x1, &r.y1, &r.x2, &r.y2), 1);
        return r;
    }

    static SchHandle NewAnnotation(int32_t x, int32_t y, const std::string& text, int32_t font,
                                   uint8_t orientation) {
        const SchHandle label = SchAPI_CreateObjectEx(kSchKindAnnotation);
        TextBuffer buffer(text);
        uint32_t color = 0;
        uint8_t flag = 0;
        SchAPI_QueryLabel(kSchQueryWrite, label, &x, &y, &orientation, &color, &font, &flag,
                          &buffer);
        return label;
    }

    SchHandle PlacePart(const std::string& libReference, int32_t partId, uint8_t orientation,
                        uint8_t mirrored, int32_t x = 100, int32_t y = 100) {
        const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
        TextBuffer reference(libReference), footprint, text, last;
        std::array<TextBuffer, 8> eight;
        std::array<char*, 8> eightPointers{};
        for (size_t i = 0; i < 8; ++i) eightPointers[i] = eight[i].pointer;
        std::array<SchHandle, 16> fields{};
        SchHandle designator = 0, comment = 0, sheetFile = 0;
        uint8_t p1 = 0, flag = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0;
        int32_t value = 0, value2 = 0, value3 = 0;
        uint32_t color = 0;
        SchAPI_QuerySchPart(kSchQueryWrite, part, &x, &y, &p1, &mirrored, &orientation, &flag,
                            &partId, &p2, &p3, &reference, &footprint, &text, &value,
                            eightPointers.data(), 7, &last, &designator, &comment, &sheetFile,
                            fields.data(), 15, &p4, &p5, &value2, &color, &value3);
        return part;
    }

    // Library component "NAND2": part 1 spans (0,0)-(50,30) with its pin, part 2 (0,0)-(20,10).
    // An IEEE drawing of part 1 reaches much further and must not count.
    void MakeLibrary() {
        const SchHandle library = NewLibrary();
        CreateComponent(library, "NAND2");
        AddLine(library, 0, 0, 0, 30);
        AddPin(library, "3", 30, 15, 20, 0);
        Command(library, "Sch:ToggleComponentIEEE");
        AddLine(library, 0, 0, 500, 500);
        Command(library, "Sch:ToggleComponentNormal");
        Command(library, "Sch:AddComponentPart");
        AddLine(library, 0, 0, 20, 10);
    }
};

TEST_F(BoundingRectangleTest, AnnotationsAreMeasuredByTheFixedFontMetric) {
    struct Case {
        std::string text;
        int32_t font;
        uint8_t orientation;
        Rect expected;
    };
    const Case cases[] = {
        {"ABC", 1, 0, {100, 200, 118, 210}},
        {"ABC", 2, 0, {100, 200, 121, 212}},
        {"ABC", 3, 0, {100, 200, 124, 214}},
        {"ABC", 9, 0, {100, 200, 118, 210}},               // unknown font id: font 1
        {"ABC", 1, 1, {90, 200, 100, 218}},                // reads upwards
        {"ABC", 1, 2, {82, 190, 100, 200}},                // upside down
        {"ABC", 1, 3, {100, 182, 110, 200}},               // reads downwards
        {"AB\r\nCDEF", 1, 0, {100, 200, 124, 220}},        // two lines: longest line, two heights
        {"", 1, 0, {100, 200, 100, 210}},                  // one empty line
        {"\xD0\x96\xD0\x96", 1, 0, {100, 200, 112, 210}},  // valid UTF-8: two characters
        {"\xC6\xC6\xC6", 1, 0, {100, 200, 118, 210}},      // code-page bytes: one each
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Extent(NewAnnotation(100, 200, c.text, c.font, c.orientation)), c.expected)
            << "\"" << c.text << "\" font " << c.font << " orientation " << int{c.orientation};
    }
}

TEST_F(BoundingRectangleTest, PartCoversItsLibraryPartPlacedWithOrientationAndMirror) {
    MakeLibrary();
    struct Case {
        const char* reference;
        int32_t partId;
        uint8_t orientation, mirrored;
        Rect expected;
    };
    const Case cases[] = {
        {"NAND2", 1, 0, 0, {100, 100, 150, 130}},
        {"nand2", 1, 0, 0, {100, 100, 150, 130}},  // letter case does not matter
        {"NAND2", 1, 1, 0, {70, 100, 100, 150}},
        {"NAND2", 1, 2, 0, {50, 70, 100, 100}},
        {"NAND2", 1, 3, 0, {100, 50, 130, 100}},
        {"NAND2", 1, 0, 1, {50, 100, 100, 130}},
        {"NAND2", 1, 1, 1, {100, 100, 130, 150}},  // turned first, then mirrored
        {"NAND2", 2, 0, 0, {100, 100, 120, 110}},
        // Fallbacks: a box of kPartFallbackHalfSize around the location.
        {"NAND2", 3, 0, 0, {90, 90, 110, 110}},
        {"NAND2", 0, 0, 0, {90, 90, 110, 110}},
        {"MISSING", 1, 0, 0, {90, 90, 110, 110}},
        {"", 1, 0, 0, {90, 90, 110, 110}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Extent(PlacePart(c.reference, c.partId, c.orientation, c.mirrored)), c.expected)
            << c.reference << " part " << c.partId << " orientation " << int{c.orientation}
            << " mirrored " << int{c.mirrored};
    }
}

TEST_F(BoundingRectangleTest, TheFirstComponentOfAnOpenLibraryWins) {
    MakeLibrary();
    const SchHandle first = SchAPI_GetCurrentDocumentHandle();
    const SchHandle second = NewLibrary("Second");
    CreateComponent(second, "Nand2");
    AddLine(second, 0, 0, 5, 5);
    EXPECT_EQ(Extent(PlacePart("NAND2", 1, 0, 0)), (Rect{100, 100, 150, 130}));
    editor().CloseDocument(first);
    EXPECT_EQ(Extent(PlacePart("NAND2", 1, 0, 0)), (Rect{100, 100, 105, 105}));
    editor().CloseDocument(second);
    EXPECT_EQ(Extent(PlacePart("NAND2", 1, 0, 0)), (Rect{90, 90, 110, 110}));
}

TEST_F(BoundingRectangleTest, PartWithoutAnyLibraryGetsTheFallbackBox) {
    EXPECT_EQ(Extent(PlacePart("NAND2", 1, 0, 0, -5, 7)), (Rect{-15, -3, 5, 17}));
}

TEST_F(BoundingRectangleTest, GeometryOfPinsLinesAndVertexLists) {
    const SchHandle sheet = NewSheet();
    EXPECT_EQ(Extent(AddPin(sheet, "1", 10, 10, 30, 1)), (Rect{10, 10, 10, 40}));
    EXPECT_EQ(Extent(AddPin(sheet, "2", 10, 10, 30, 3)), (Rect{10, -20, 10, 10}));
    EXPECT_EQ(Extent(AddPin(sheet, "3", 10, 10, 30, 2)), (Rect{-20, 10, 10, 10}));
    EXPECT_EQ(Extent(AddLine(sheet, 50, -5, -10, 40)), (Rect{-10, -5, 50, 40}));

    const SchHandle polygon = SchAPI_CreateObjectEx(kSchKindPolygon);
    SchAPI_QueryVertexCount(kSchQueryWrite, polygon, 3);
    const int32_t points[3][2] = {{5, 5}, {-15, 25}, {35, 0}};
    for (int32_t i = 0; i < 3; ++i) {
        int32_t x = points[i][0], y = points[i][1];
        SchAPI_QueryVertexAt(kSchQueryWrite, polygon, i + 1, &x, &y);
    }
    EXPECT_EQ(Extent(polygon), (Rect{-15, 0, 35, 25}));

    // Coordinates at the ends of the 32-bit range saturate instead of wrapping.
    EXPECT_EQ(Extent(AddPin(sheet, "4", INT32_MAX - 5, 0, 30, 0)),
              (Rect{INT32_MAX - 5, 0, INT32_MAX, 0}));
}

}  // namespace
