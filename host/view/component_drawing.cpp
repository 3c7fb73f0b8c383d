#include "component_drawing.h"

namespace view {
namespace {

constexpr double kMargin = 20;     // host units around the graphics
constexpr double kOriginMark = 4;  // half length of the origin cross
constexpr uint32_t kOriginColor = 0xA0A0A0;

}  // namespace

TDrawing DrawComponentPart(const qelsch::ComponentPart& part, qelsch::DisplayMode mode,
                           const TDrawContext& context, std::string_view title) {
    TSvgCanvas canvas;
    const TStroke origin{kOriginColor, 0.5};
    canvas.Line({-kOriginMark, 0}, {kOriginMark, 0}, origin);
    canvas.Line({0, -kOriginMark}, {0, kOriginMark}, origin);
    TObjectDrawer drawer(canvas, context);
    for (SchHandle handle : part.In(mode)) {
        const qelsch::SchObject* object = context.Editor->FindObject(handle);
        // A component never places a part inside itself.
        if (object && object->kind != qelsch::Part::kKind) drawer.Draw(*object);
    }
    TDrawing drawing;
    drawing.ViewBox = canvas.Extent().value_or(TBox{}).Grown(kMargin);
    drawing.Svg = canvas.Document(drawing.ViewBox, title);
    return drawing;
}

}  // namespace view
