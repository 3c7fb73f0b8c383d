#include "object_drawer.h"

#include <algorithm>
#include <array>

#include "bounding_rectangle.h"
#include "font_metric.h"
#include "library_lookup.h"
#include "real48.h"
#include "xml_text.h"

namespace view {
namespace {

using qelsch::SchObject;

// Sizes in host units of the marks that the editor draws around a point.
constexpr double kJunctionRadius = 2;
constexpr double kPortHalfHeight = 5;  // as the editor's port extent
constexpr double kPortPointDepth = 5;  // how far a pointed end reaches in
constexpr double kPowerStem = 10;      // power object: stem to the bar (its extent is +-10)
constexpr double kPowerBarHalf = 8;
constexpr double kPinDotRadius = 3;
constexpr double kPinClockSize = 4;
constexpr double kPinTextGap = 3;  // between a pin's body end and its name

constexpr uint32_t kPortFill = 0xE0FFFF;          // pale yellow (0x00BBGGRR)
constexpr uint32_t kSheetSymbolFill = 0xE8F4FF;   // pale cream
constexpr uint32_t kMissingPartColor = 0x0000C0;  // red

TPointD Plus(TPointD a, TPointD b) {
    return {a.X + b.X, a.Y + b.Y};
}
TPointD Times(TPointD a, double factor) {
    return {a.X * factor, a.Y * factor};
}

// The orientation of a text carried by `placement`. A part turned upside down keeps the texts
// of its component readable: a text that reads left to right or upwards in the component still
// does (drawn in the same box).
uint8_t ReadableOrientation(uint8_t orientation, const TPlacement& placement) {
    const uint8_t placed = (orientation + placement.Orientation) & 3;
    return ((orientation & 3) < 2 && placed >= 2) ? placed - 2 : placed;
}

double Width(int64_t value) {
    return static_cast<double>(value);
}

}  // namespace

double LineWidthOf(uint8_t widthCode) {
    static constexpr std::array<double, 4> kWidths = {1, 2, 4, 6};
    return kWidths[std::min<uint8_t>(widthCode, 3)];
}

double BusWidthOf(uint8_t widthCode) {
    return 2 * LineWidthOf(widthCode) + 1;
}

const TComponentIndex& TObjectDrawer::Components() {
    if (FContext.Components) return *FContext.Components;
    if (!FOwnComponents) FOwnComponents.emplace(*FContext.Editor);
    return *FOwnComponents;
}

std::string TObjectDrawer::Utf8(const std::string& bytes) const {
    return qelsch::ToUtf8(bytes, FContext.CodePage);
}

void TObjectDrawer::PlacedText(qelsch::SchPoint anchor, const std::string& bytes, int32_t fontId,
                               uint8_t orientation, uint32_t color, const TPlacement& placement) {
    const std::string text = Utf8(bytes);
    if (text.empty()) return;
    const TBox local = TextBox(ToPointD(anchor), text, fontId, orientation);
    const uint8_t placedOrientation = ReadableOrientation(orientation, placement);
    FCanvas.Text(TextAnchorInBox(placement.Apply(local), placedOrientation), text, fontId,
                 placedOrientation, color);
}

void TObjectDrawer::OwnedText(SchHandle handle, const TPlacement& placement) {
    if (handle == 0) return;
    const SchObject* object = FContext.Editor->FindObject(handle);
    const qelsch::Text* text = object ? object->As<qelsch::Text>() : nullptr;
    if (!text || text->isHidden) return;
    PlacedText(text->location, text->text, 1, text->orientation, text->color, placement);
}

void TObjectDrawer::Draw(const SchObject& object, const TPlacement& placement) {
    switch (object.kind) {
        case qelsch::Arc::kKind:
            return DrawArc(static_cast<const qelsch::Arc&>(object), placement);
        case qelsch::Bus::kKind: {
            const auto& bus = static_cast<const qelsch::Bus&>(object);
            return DrawVertices(bus, {bus.color, BusWidthOf(bus.lineWidth)}, placement);
        }
        case qelsch::Wire::kKind: {
            const auto& wire = static_cast<const qelsch::Wire&>(object);
            return DrawVertices(wire, {wire.color, LineWidthOf(wire.lineWidth)}, placement);
        }
        case qelsch::Polyline::kKind: {
            const auto& line = static_cast<const qelsch::Polyline&>(object);
            return DrawVertices(line, {line.color, LineWidthOf(line.lineWidth)}, placement);
        }
        case qelsch::Polygon::kKind:
            return DrawPolygon(static_cast<const qelsch::Polygon&>(object), placement);
        case qelsch::BusEntry::kKind: {
            const auto& entry = static_cast<const qelsch::BusEntry&>(object);
            FCanvas.Line(placement.Apply(entry.location), placement.Apply(entry.corner),
                         {entry.color, LineWidthOf(1)});
            return;
        }
        case qelsch::Line::kKind:
            return DrawLine(static_cast<const qelsch::Line&>(object), placement);
        case qelsch::Junction::kKind:
            FCanvas.Circle(placement.Apply(object.location), kJunctionRadius, {object.color, 0},
                           object.color);
            return;
        case qelsch::Text::kKind: {
            const auto& text = static_cast<const qelsch::Text&>(object);
            if (!text.isHidden)
                PlacedText(text.location, text.text, 1, text.orientation, text.color, placement);
            return;
        }
        case qelsch::Annotation::kKind: {
            const auto& annotation = static_cast<const qelsch::Annotation&>(object);
            PlacedText(annotation.location, annotation.text, annotation.fontId,
                       annotation.orientation, annotation.color, placement);
            return;
        }
        case qelsch::NetLabel::kKind: {
            const auto& label = static_cast<const qelsch::NetLabel&>(object);
            PlacedText(label.location, label.text, 1, label.orientation, label.color, placement);
            return;
        }
        case qelsch::Part::kKind:
            return DrawPart(static_cast<const qelsch::Part&>(object));
        case qelsch::Pin::kKind:
            return DrawPin(static_cast<const qelsch::Pin&>(object), placement);
        case qelsch::Port::kKind:
            return DrawPort(static_cast<const qelsch::Port&>(object), placement);
        case qelsch::PowerObject::kKind:
            return DrawPowerObject(static_cast<const qelsch::PowerObject&>(object), placement);
        case qelsch::SheetSymbol::kKind:
            return DrawSheetSymbol(static_cast<const qelsch::SheetSymbol&>(object), placement);
        default:
            return;
    }
}

void TObjectDrawer::DrawArc(const qelsch::Arc& arc, const TPlacement& placement) {
    double start = placement.ApplyToAngle(qelsch::Real48ToDouble(arc.startAngle));
    double end = placement.ApplyToAngle(qelsch::Real48ToDouble(arc.endAngle));
    // A mirror turns the sweep round: the arc now runs from the mirrored end to the start.
    if (placement.Mirrored) std::swap(start, end);
    FCanvas.Arc(placement.Apply(arc.location), std::abs(Width(arc.radius)), start, end,
                {arc.color, LineWidthOf(arc.lineWidth)});
}

void TObjectDrawer::DrawVertices(const qelsch::MultiVertexObject& object, const TStroke& stroke,
                                 const TPlacement& placement) {
    std::vector<TPointD> points;
    points.reserve(object.vertices.size());
    for (const qelsch::SchPoint& vertex : object.vertices)
        points.push_back(placement.Apply(vertex));
    FCanvas.Polyline(points, stroke);
}

void TObjectDrawer::DrawPolygon(const qelsch::Polygon& polygon, const TPlacement& placement) {
    std::vector<TPointD> points;
    points.reserve(polygon.vertices.size());
    for (const qelsch::SchPoint& vertex : polygon.vertices)
        points.push_back(placement.Apply(vertex));
    FCanvas.Polygon(points, {polygon.color, LineWidthOf(polygon.lineWidth)}, polygon.color);
}

void TObjectDrawer::DrawLine(const qelsch::Line& line, const TPlacement& placement) {
    const TLineStyle style = line.lineStyle == 1   ? TLineStyle::Dashed
                             : line.lineStyle == 2 ? TLineStyle::Dotted
                                                   : TLineStyle::Solid;
    FCanvas.Line(placement.Apply(line.location), placement.Apply(line.corner),
                 {line.color, LineWidthOf(0), style});
}

void TObjectDrawer::DrawPart(const qelsch::Part& part) {
    const qelsch::Text* designator = nullptr;
    if (const SchObject* field = FContext.Editor->FindObject(part.designatorField))
        designator = field->As<qelsch::Text>();
    FCanvas.Open("g", " class=\"part\"");
    FCanvas.Title((designator ? Utf8(designator->text) + " " : std::string()) +
                  Utf8(part.libReference));
    if (const qelsch::ComponentPart* graphics = Components().FindPart(part)) {
        const TPlacement placement = TPlacement::Of(part);
        for (SchHandle handle : graphics->In(qelsch::DisplayMode::Normal)) {
            const SchObject* object = FContext.Editor->FindObject(handle);
            if (object && object->kind != qelsch::Part::kKind) Draw(*object, placement);
        }
    } else {
        DrawMissingPart(part);
        if (FContext.OnMissingPart) FContext.OnMissingPart(part);
    }
    // The part's own texts stand on the sheet where the importer put them.
    OwnedText(part.designatorField, {});
    OwnedText(part.commentField, {});
    OwnedText(part.sheetFileNameField, {});
    for (SchHandle field : part.partFields) OwnedText(field, {});
    FCanvas.Close();
}

void TObjectDrawer::DrawMissingPart(const qelsch::Part& part) {
    const TPointD at = ToPointD(part.location);
    const double half = qelsch::kPartFallbackHalfSize;
    FCanvas.Rectangle({at.X - half, at.Y - half, at.X + half, at.Y + half},
                      {kMissingPartColor, LineWidthOf(1), TLineStyle::Dashed}, std::nullopt);
    FCanvas.Text({at.X - 3, at.Y - 5}, "?", 1, 0, kMissingPartColor);
    const double lineHeight = qelsch::MetricOfFont(1).charHeight;
    FCanvas.Text({at.X - half, at.Y - half - 2 - lineHeight}, Utf8(part.libReference), 1, 0,
                 kMissingPartColor);
}

void TObjectDrawer::DrawPin(const qelsch::Pin& pin, const TPlacement& placement) {
    const TPointD body = placement.Apply(pin.location);
    const uint8_t direction = placement.ApplyToDirection(pin.orientation);
    const TPointD along = DirectionVector(direction);
    const TPointD across = DirectionVector((direction + 1) & 3);
    const TPointD tip = Plus(body, Times(along, Width(pin.length)));
    const TStroke stroke{pin.color, LineWidthOf(1)};

    // The dot stands outside the body at the pin's inner end; the clock inside the body.
    const double dot = pin.dot ? 2 * kPinDotRadius : 0;
    if (pin.dot) FCanvas.Circle(Plus(body, Times(along, kPinDotRadius)), kPinDotRadius, stroke, {});
    FCanvas.Line(Plus(body, Times(along, dot)), tip, stroke);
    if (pin.clock) {
        FCanvas.Polyline(
            {Plus(body, Times(across, kPinClockSize)), Plus(body, Times(along, -kPinClockSize)),
             Plus(body, Times(across, -kPinClockSize))},
            {pin.color, LineWidthOf(0)});
    }

    const qelsch::FontMetric metric = qelsch::MetricOfFont(1);
    const double height = metric.charHeight;
    const bool horizontal = (direction & 1) == 0;
    const TPointD middle = Plus(body, Times(along, Width(pin.length) / 2));
    if (pin.showName) {
        // The name stands inside the body, ending a small gap from the pin's inner end.
        const std::string name = Utf8(pin.name);
        const double width = Width(qelsch::MeasureText(name, metric).width);
        TPointD anchor;
        if (horizontal) {
            const double x = direction == 0 ? body.X - kPinTextGap - width : body.X + kPinTextGap;
            anchor = {x, body.Y - height / 2};
        } else {
            const double y = direction == 1 ? body.Y - kPinTextGap - width : body.Y + kPinTextGap;
            anchor = {body.X + height / 2, y};
        }
        FCanvas.Text(anchor, name, 1, horizontal ? 0 : 1, pin.color);
    }
    if (pin.showDesignator) {
        // The designator stands over the pin line, in its middle.
        const std::string designator = Utf8(pin.designator);
        const double width = Width(qelsch::MeasureText(designator, metric).width);
        const TPointD anchor = horizontal ? TPointD{middle.X - width / 2, middle.Y + 1}
                                          : TPointD{middle.X - 1, middle.Y - width / 2};
        FCanvas.Text(anchor, designator, 1, horizontal ? 0 : 1, pin.color);
    }
}

void TObjectDrawer::DrawPort(const qelsch::Port& port, const TPlacement& placement) {
    const bool vertical = (port.style & 7) >= 4;
    const uint8_t ends = port.style & 3;
    // Horizontal: code 1 points the left (near) end, 2 the right (far) end. Vertical: code 5
    // points the top (far) end, 6 the bottom (near) end. 3 and 7 point both.
    const bool nearPointed = vertical ? (ends & 2) != 0 : (ends & 1) != 0;
    const bool farPointed = vertical ? (ends & 1) != 0 : (ends & 2) != 0;
    const double length = Width(port.width);
    const double depth = std::min(kPortPointDepth, std::abs(length) / 2);
    const TPointD origin = ToPointD(port.location);
    // A point `along` the port's axis from its lower or left end and `across` it.
    auto at = [&](double along, double across) {
        const TPointD local = vertical ? TPointD{origin.X - across, origin.Y + along}
                                       : TPointD{origin.X + along, origin.Y + across};
        return placement.Apply(local);
    };
    const double h = kPortHalfHeight;
    std::vector<TPointD> outline;
    if (nearPointed) {
        outline = {at(0, 0), at(depth, h)};
    } else {
        outline = {at(0, -h), at(0, h)};
    }
    if (farPointed) {
        outline.insert(outline.end(),
                       {at(length - depth, h), at(length, 0), at(length - depth, -h)});
    } else {
        outline.insert(outline.end(), {at(length, h), at(length, -h)});
    }
    if (nearPointed) outline.push_back(at(depth, -h));
    FCanvas.Polygon(outline, {port.color, LineWidthOf(0)}, kPortFill);

    const std::string name = Utf8(port.name);
    const qelsch::FontMetric metric = qelsch::MetricOfFont(1);
    const double width = Width(qelsch::MeasureText(name, metric).width);
    const double height = metric.charHeight;
    // Centred on the port, in its own frame, then carried to where the port is placed.
    const double offset = (length - width) / 2;
    const TPointD anchor = vertical ? TPointD{origin.X + height / 2, origin.Y + offset}
                                    : TPointD{origin.X + offset, origin.Y - height / 2 + 1};
    const uint8_t orientation = vertical ? 1 : 0;
    const uint8_t placedOrientation = ReadableOrientation(orientation, placement);
    FCanvas.Text(
        TextAnchorInBox(placement.Apply(TextBox(anchor, name, 1, orientation)), placedOrientation),
        name, 1, placedOrientation, port.color);
}

void TObjectDrawer::DrawPowerObject(const qelsch::PowerObject& power, const TPlacement& placement) {
    const TPointD at = placement.Apply(power.location);
    const uint8_t direction = placement.ApplyToDirection(power.orientation);
    const TPointD along = DirectionVector(direction);
    const TPointD across = DirectionVector((direction + 1) & 3);
    const TPointD bar = Plus(at, Times(along, kPowerStem));
    const TStroke stroke{power.color, LineWidthOf(1)};
    FCanvas.Line(at, bar, stroke);
    FCanvas.Line(Plus(bar, Times(across, kPowerBarHalf)), Plus(bar, Times(across, -kPowerBarHalf)),
                 stroke);

    // The net name beyond the bar, always horizontal.
    const std::string text = Utf8(power.text);
    const qelsch::FontMetric metric = qelsch::MetricOfFont(1);
    const double width = Width(qelsch::MeasureText(text, metric).width);
    const double height = metric.charHeight;
    const double gap = 2;
    TPointD anchor;
    switch (direction) {
        case 0:
            anchor = {bar.X + gap, bar.Y - height / 2};
            break;
        case 1:
            anchor = {bar.X - width / 2, bar.Y + gap};
            break;
        case 2:
            anchor = {bar.X - gap - width, bar.Y - height / 2};
            break;
        default:
            anchor = {bar.X - width / 2, bar.Y - gap - height};
            break;
    }
    FCanvas.Text(anchor, text, 1, 0, power.color);
}

void TObjectDrawer::DrawSheetSymbol(const qelsch::SheetSymbol& symbol,
                                    const TPlacement& placement) {
    const std::string link = FContext.SheetLink ? FContext.SheetLink(symbol) : std::string();
    if (!link.empty()) FCanvas.Open("a", " href=\"" + XmlEscape(link) + "\"");
    FCanvas.Open("g", " class=\"sheet-symbol\"");
    // Anchored at its upper left corner.
    const TPointD corner = ToPointD(symbol.location);
    const TBox local =
        TBox::Spanning(corner, {corner.X + Width(symbol.xSize), corner.Y - Width(symbol.ySize)});
    FCanvas.Rectangle(placement.Apply(local), {symbol.color, LineWidthOf(1)}, kSheetSymbolFill);
    OwnedText(symbol.sheetNameField, placement);
    OwnedText(symbol.fileNameField, placement);
    FCanvas.Close();
    if (!link.empty()) FCanvas.Close();
}

}  // namespace view
