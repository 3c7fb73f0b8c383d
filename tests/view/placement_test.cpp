// What the drawings place where: a placed part's graphics, pins and texts must land inside the
// extent the editor reports for the same object, for every orientation and mirror, or the
// drawing would disagree with what the importer justified against.
#include "placement.h"

#include <gtest/gtest.h>

#include "object_drawer.h"
#include "view_fixture.h"

namespace {

using view::TBox;

void ExpectSameBox(const std::optional<TBox>& drawn, const std::optional<qelsch::Rect>& editor,
                   const std::string& what) {
    ASSERT_TRUE(drawn.has_value()) << what;
    ASSERT_TRUE(editor.has_value()) << what;
    EXPECT_DOUBLE_EQ(drawn->X1, editor->x1) << what;
    EXPECT_DOUBLE_EQ(drawn->Y1, editor->y1) << what;
    EXPECT_DOUBLE_EQ(drawn->X2, editor->x2) << what;
    EXPECT_DOUBLE_EQ(drawn->Y2, editor->y2) << what;
}

class PlacementTest : public ViewTest {
  protected:
    // The extent of one object drawn alone.
    std::optional<TBox> DrawnExtent(const qelsch::SchObject& object) {
        view::TSvgCanvas canvas;
        view::TDrawContext context;
        context.Editor = &editor();
        view::TObjectDrawer(canvas, context).Draw(object);
        return canvas.Extent();
    }

    // A component whose graphics show every turn and mirror: an L of lines, an arc, a pin
    // without texts and a text, all off its origin.
    void AddAsymmetricComponent() {
        const SchHandle library = editor().CreateDocument("SchLib", "Lib", "");
        store().CreateComponent(library, "ASYM");
        qelsch::Line& foot = Add<qelsch::Line>(library);
        foot.location = {0, 0};
        foot.corner = {30, 0};
        qelsch::Line& leg = Add<qelsch::Line>(library);
        leg.location = {30, 0};
        leg.corner = {30, 12};
        qelsch::Arc& arc = Add<qelsch::Arc>(library);
        arc.location = {10, -6};
        arc.radius = 4;
        arc.startAngle = Real48(0);
        arc.endAngle = Real48(90);
        qelsch::Pin& pin = Add<qelsch::Pin>(library);
        pin.location = {0, 4};
        pin.orientation = 2;
        pin.length = 20;
        pin.showName = pin.showDesignator = 0;
        qelsch::Annotation& text = Add<qelsch::Annotation>(library);
        text.location = {12, 2};
        text.text = "AB";
        text.fontId = 2;
    }
};

TEST_F(PlacementTest, PlacedPartCoversTheExtentTheEditorGivesForEachTurnAndMirror) {
    AddAsymmetricComponent();
    const SchHandle sheet = NewSheet("Sheet");
    for (uint8_t orientation = 0; orientation < 4; ++orientation) {
        for (bool mirrored : {false, true}) {
            const qelsch::Part& part = AddPart(sheet, "asym", 100, 200, orientation, mirrored);
            ExpectSameBox(
                DrawnExtent(part), editor().BoundingRectangle(part.handle),
                "orientation " + std::to_string(orientation) + (mirrored ? " mirrored" : ""));
        }
    }
}

TEST_F(PlacementTest, TextsFillTheBoxTheEditorMeasuresInEachFontAndOrientation) {
    const SchHandle sheet = NewSheet("Sheet");
    for (int32_t font = 1; font <= 4; ++font) {
        for (uint8_t orientation = 0; orientation < 4; ++orientation) {
            for (const char* text : {"R12", "two\r\nlines!", "x\ny\rz", "\xD0\x90\xD0\x91"}) {
                qelsch::Annotation& annotation = Add<qelsch::Annotation>(sheet);
                annotation.location = {-40, 75};
                annotation.fontId = font;
                annotation.orientation = orientation;
                annotation.text = text;
                ExpectSameBox(DrawnExtent(annotation),
                              editor().BoundingRectangle(annotation.handle),
                              "font " + std::to_string(font) + " orientation " +
                                  std::to_string(orientation) + " " + text);
            }
        }
    }
}

TEST(PlacementRulesTest, DirectionsAndAnglesFollowTheTurnThenTheMirror) {
    struct Case {
        uint8_t Orientation;
        bool Mirrored;
        uint8_t Direction;  // a pin's orientation in the component
        uint8_t Placed;
        double Angle;
        double PlacedAngle;
    };
    const Case cases[] = {
        {0, false, 0, 0, 30, 30}, {1, false, 0, 1, 30, 120}, {2, false, 1, 3, 30, 210},
        {3, false, 3, 2, 0, 270}, {0, true, 0, 2, 30, 150},  {0, true, 1, 1, 90, 90},
        {1, true, 0, 1, 0, 90},   {1, true, 1, 0, 90, 0},    {3, true, 2, 1, 45, -135},
    };
    for (const Case& c : cases) {
        const view::TPlacement placement{{0, 0}, c.Orientation, c.Mirrored};
        EXPECT_EQ(placement.ApplyToDirection(c.Direction), c.Placed)
            << int(c.Orientation) << c.Mirrored << int(c.Direction);
        EXPECT_DOUBLE_EQ(placement.ApplyToAngle(c.Angle), c.PlacedAngle)
            << int(c.Orientation) << c.Mirrored << c.Angle;
    }
    // A point is turned first, then mirrored, then moved: (10, 0) turned once is (0, 10).
    const view::TPlacement turnedMirrored{{100, 200}, 1, true};
    const view::TPointD placed = turnedMirrored.Apply(view::TPointD{10, 5});
    EXPECT_DOUBLE_EQ(placed.X, 105);
    EXPECT_DOUBLE_EQ(placed.Y, 210);
}

}  // namespace
