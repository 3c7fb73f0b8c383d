#include "sheet_drawing.h"

#include <array>

namespace view {
namespace {

// Standard sheet sizes by code, host units (10 mil), landscape.
constexpr std::array<std::array<double, 2>, 10> kStandardSheets = {{
    {1169, 827},   // A4
    {1654, 1169},  // A3
    {2339, 1654},  // A2
    {3311, 2339},  // A1
    {4681, 3311},  // A0
    {1100, 850},   // A
    {1700, 1100},  // B
    {2200, 1700},  // C
    {3400, 2200},  // D
    {4400, 3400},  // E
}};
constexpr size_t kFallbackSheet = 5;

constexpr double kBorderInset = 20;  // host units between the paper's edge and the border
constexpr double kMargin = 20;       // host units around everything drawn
constexpr uint32_t kPaperEdgeColor = 0xC0C0C0;
constexpr uint32_t kBorderColor = 0x404040;
constexpr uint32_t kMarkColor = 0x0000E0;              // red
constexpr uint32_t kConnectivityMarkColor = 0xC00090;  // purple
constexpr double kMarkRadius = 8;

void DrawMark(TSvgCanvas& canvas, const TWarningMark& mark) {
    const bool connectivity = mark.Source == TWarningMark::TSource::Connectivity;
    const uint32_t color = connectivity ? kConnectivityMarkColor : kMarkColor;
    canvas.Open("g", connectivity ? " class=\"connectivity\"" : " class=\"warning\"");
    canvas.Title(mark.Label + ": " + mark.Text);
    canvas.Circle(mark.At, kMarkRadius, {color, 2}, std::nullopt);
    canvas.Text({mark.At.X + kMarkRadius + 1, mark.At.Y + kMarkRadius - 2}, mark.Label, 1, 0,
                color);
    canvas.Close();
}

}  // namespace

TBox PaperOf(const qelsch::DocumentOptions& options) {
    if (options.useCustomSheet && options.customX > 0 && options.customY > 0)
        return {0, 0, static_cast<double>(options.customX), static_cast<double>(options.customY)};
    const size_t code =
        options.sheetStyle < kStandardSheets.size() ? options.sheetStyle : kFallbackSheet;
    return {0, 0, kStandardSheets[code][0], kStandardSheets[code][1]};
}

TPointD MarkPointOf(const qelsch::SchObject& object) {
    const TPointD at = ToPointD(object.location);
    if (const auto* entry = object.As<qelsch::BusEntry>()) {
        return {(at.X + entry->corner.x) / 2, (at.Y + entry->corner.y) / 2};
    }
    if (const auto* port = object.As<qelsch::Port>()) {
        const double half = static_cast<double>(port->width) / 2;
        return (port->style & 7) >= 4 ? TPointD{at.X, at.Y + half} : TPointD{at.X + half, at.Y};
    }
    return at;
}

TDrawing DrawSheet(const qelsch::Document& document, const TDrawContext& context,
                   const std::vector<TWarningMark>& marks, std::string_view title) {
    TSvgCanvas canvas;
    const TBox paper = PaperOf(document.options);
    canvas.Rectangle(paper, {kPaperEdgeColor, 1}, std::nullopt);
    if (document.options.borderOn)
        canvas.Rectangle(paper.Grown(-kBorderInset), {kBorderColor, 2}, std::nullopt);

    TDrawing drawing;
    TObjectDrawer drawer(canvas, context);
    for (SchHandle handle : document.objects) {
        const qelsch::SchObject* object = context.Editor->FindObject(handle);
        if (!object) continue;
        drawer.Draw(*object);
        if (const auto* symbol = object->As<qelsch::SheetSymbol>()) {
            std::string href = context.SheetLink ? context.SheetLink(*symbol) : std::string();
            if (!href.empty()) {
                const TPointD corner = ToPointD(symbol->location);
                drawing.Links.push_back(
                    {TBox::Spanning(corner, {corner.X + static_cast<double>(symbol->xSize),
                                             corner.Y - static_cast<double>(symbol->ySize)}),
                     std::move(href)});
            }
        }
    }
    for (const TWarningMark& mark : marks) DrawMark(canvas, mark);

    drawing.ViewBox = canvas.Extent().value_or(paper).United(paper).Grown(kMargin);
    drawing.Svg = canvas.Document(drawing.ViewBox, title);
    return drawing;
}

}  // namespace view
