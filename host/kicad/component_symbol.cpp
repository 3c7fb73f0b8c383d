#include "component_symbol.h"

#include <set>

#include "graphics_geometry.h"
#include "kicad_units.h"
#include "real48.h"
#include "sexpr_text.h"

namespace kicad {

namespace {

std::string Utf8(const std::string& bytes, qelsch::CodePage codePage) {
    return qelsch::ToUtf8(bytes, codePage);
}

std::string PointsItem(const std::vector<TKiPoint>& points, const std::string& stroke,
                       const char* fill) {
    std::string text = "(polyline\n  (pts";
    for (const TKiPoint& p : points) text += " " + XyText(p);
    return text + ")\n  " + stroke + "\n  (fill (type " + fill + "))\n)";
}

std::vector<TKiPoint> SymbolPoints(const std::vector<qelsch::SchPoint>& vertices) {
    std::vector<TKiPoint> points;
    for (const qelsch::SchPoint& v : vertices) points.push_back(SymbolPoint(v.x, v.y));
    return points;
}

std::string ArcItem(const qelsch::Arc& arc) {
    const double start = qelsch::Real48ToDouble(arc.startAngle);
    const double sweep = ArcSweep(start, qelsch::Real48ToDouble(arc.endAngle));
    const std::string stroke = StrokeText(arc.lineWidth, -1);
    if (sweep >= 360)
        return "(circle (center " + PairText(SymbolPoint(arc.location.x, arc.location.y)) +
               ") (radius " + MmText(HostToMicrometres(arc.radius)) + ")\n  " + stroke +
               "\n  (fill (type none))\n)";
    auto at = [&](double degrees) {
        TArcPoint p = PointOnArc(arc.location, arc.radius, degrees);
        return PairText({p.X, p.Y});
    };
    return "(arc (start " + at(start) + ") (mid " + at(start + sweep / 2) + ") (end " +
           at(start + sweep) + ")\n  " + stroke + "\n  (fill (type none))\n)";
}

std::string TextItem(const std::string& utf8, const qelsch::SchPoint& at, uint8_t orientation,
                     int fontId) {
    return "(text " + Quoted(utf8) + " (at " + PairText(SymbolPoint(at.x, at.y)) + " " +
           std::to_string((orientation & 3) * 90) + ")\n  " +
           EffectsText(FontSize(fontId), "left bottom", false) + "\n)";
}

}  // namespace

std::string PinItem(const qelsch::Pin& pin, qelsch::CodePage codePage) {
    const qelsch::SchPoint step = DirectionStep(pin.orientation);
    const int64_t endX = int64_t{pin.location.x} + int64_t{step.x} * pin.length;
    const int64_t endY = int64_t{pin.location.y} + int64_t{step.y} * pin.length;
    const int towardsBody = ((pin.orientation + 2) & 3) * 90;
    const char* shape = pin.dot && pin.clock ? "inverted_clock"
                        : pin.dot            ? "inverted"
                        : pin.clock          ? "clock"
                                             : "line";
    const std::string name = Utf8(pin.name, codePage);
    const std::string number = Utf8(pin.designator, codePage);
    return std::string("(pin ") + PinTypeWord(pin.electrical) + " " + shape + " (at " +
           PairText(SymbolPoint(endX, endY)) + " " + std::to_string(towardsBody) + ") (length " +
           MmText(HostToMicrometres(pin.length < 0 ? -int64_t{pin.length} : pin.length)) +
           ")\n  (name " + Quoted(name.empty() ? "~" : name) + " " +
           EffectsText(1270, nullptr, false) + ")\n  (number " + Quoted(number) + " " +
           EffectsText(1270, nullptr, false) + ")\n)";
}

TKicadSymbol SymbolOfComponent(const qelsch::SchEditor& editor,
                               const qelsch::LibraryComponent& component, const std::string& name,
                               qelsch::CodePage codePage, TExportReport& report,
                               const std::string& documentName) {
    TKicadSymbol symbol;
    symbol.Name = name;
    const std::string utf8Name = Utf8(component.name, codePage);
    const std::string prefix =
        Utf8(component.texts[qelsch::kComponentTextDesignatorPrefix], codePage);
    symbol.Reference = prefix.empty() ? "U" : prefix;
    symbol.Value = utf8Name;
    symbol.Footprint = Utf8(component.texts[qelsch::kComponentTextFootprint], codePage);
    std::set<std::string> taken = {"Reference", "Value", "Footprint", "Datasheet"};
    for (int i = qelsch::kComponentTextFirstField; i <= qelsch::kComponentTextLastField; ++i) {
        const std::string field = Utf8(component.texts[static_cast<size_t>(i)], codePage);
        if (field.empty()) continue;
        // Library fields hold "Name Value".
        const size_t blank = field.find(' ');
        std::string fieldName = field.substr(0, blank);
        std::string value = blank == std::string::npos ? "" : field.substr(blank + 1);
        if (fieldName.empty()) fieldName = "Field";
        std::string unique = fieldName;
        for (int n = 2; !taken.insert(unique).second; ++n)
            unique = fieldName + "_" + std::to_string(n);
        symbol.Fields.emplace_back(unique, value);
    }

    size_t pins = 0, hiddenNames = 0, hiddenNumbers = 0;
    symbol.Units.resize(component.parts.size());
    symbol.UnitPins.resize(component.parts.size());
    for (size_t part = 0; part < component.parts.size(); ++part) {
        const std::string where = "component " + utf8Name + " part " + std::to_string(part + 1);
        if (size_t ieee = component.parts[part].In(qelsch::DisplayMode::Ieee).size())
            report.LeftOut(documentName,
                           where + ": IEEE drawing of " + std::to_string(ieee) +
                               " objects (KiCad has two body styles: normal and De Morgan)");
        const qelsch::DisplayMode modes[kBodyStyles] = {qelsch::DisplayMode::Normal,
                                                        qelsch::DisplayMode::Demorgan};
        for (size_t style = 0; style < kBodyStyles; ++style) {
            std::vector<std::string>& items = symbol.Units[part][style];
            for (SchHandle handle : component.parts[part].In(modes[style])) {
                const qelsch::SchObject* object = editor.FindObject(handle);
                if (!object) continue;
                if (const auto* pin = object->As<qelsch::Pin>()) {
                    items.push_back(PinItem(*pin, codePage));
                    if (style == 0)
                        symbol.UnitPins[part].push_back(Utf8(pin->designator, codePage));
                    ++pins;
                    hiddenNames += !pin->showName;
                    hiddenNumbers += !pin->showDesignator;
                } else if (const auto* line = object->As<qelsch::Line>()) {
                    items.push_back(PointsItem({SymbolPoint(line->corner.x, line->corner.y),
                                                SymbolPoint(line->location.x, line->location.y)},
                                               StrokeText(0, line->lineStyle), "none"));
                } else if (const auto* polyline = object->As<qelsch::Polyline>()) {
                    if (polyline->vertices.size() >= 2)
                        items.push_back(PointsItem(SymbolPoints(polyline->vertices),
                                                   StrokeText(polyline->lineWidth, -1), "none"));
                } else if (const auto* polygon = object->As<qelsch::Polygon>()) {
                    if (polygon->vertices.size() >= 2) {
                        std::vector<TKiPoint> points = SymbolPoints(polygon->vertices);
                        points.push_back(points.front());
                        items.push_back(
                            PointsItem(points, StrokeText(polygon->lineWidth, -1), "background"));
                    }
                } else if (const auto* arc = object->As<qelsch::Arc>()) {
                    items.push_back(ArcItem(*arc));
                } else if (const auto* label = object->As<qelsch::Annotation>()) {
                    items.push_back(TextItem(Utf8(label->text, codePage), label->location,
                                             label->orientation, label->fontId));
                } else if (const auto* text = object->As<qelsch::Text>()) {
                    if (!text->isHidden)
                        items.push_back(TextItem(Utf8(text->text, codePage), text->location,
                                                 text->orientation, 1));
                } else {
                    report.LeftOut(documentName, where + ": a " + qelsch::KindName(object->kind) +
                                                     " (a symbol has no place for it)");
                }
            }
        }
    }
    // KiCad shows or hides pin names and numbers for a whole symbol.
    symbol.HidePinNames = pins > 0 && hiddenNames == pins;
    symbol.HidePinNumbers = pins > 0 && hiddenNumbers == pins;
    if ((hiddenNames > 0 && hiddenNames < pins) || (hiddenNumbers > 0 && hiddenNumbers < pins))
        report.Approximated(documentName, "component " + utf8Name +
                                              ": pin names and numbers shown for every pin (KiCad "
                                              "shows or hides them per symbol)");
    return symbol;
}

}  // namespace kicad
