#include "sheet_export.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "component_symbol.h"
#include "connection_points.h"
#include "graphics_geometry.h"
#include "object_store.h"
#include "pin_node.h"
#include "real48.h"
#include "segment_index.h"
#include "sexpr_text.h"
#include "stable_uuid.h"

namespace kicad {

using connectivity::TSheetPoint;
using connectivity::TSheetPointHash;

// --- the context ----------------------------------------------------------------------------

TExportContext::TExportContext(const qelsch::SchEditor& editor, qelsch::CodePage codePage,
                               TExportReport& report, std::string libraryName)
    : FEditor(editor), FCodePage(codePage), FReport(report), FLibraryName(std::move(libraryName)) {}

std::string TExportContext::UniqueSymbolName(const std::string& wanted) {
    std::string name = wanted;
    for (int n = 2; !FTakenNames.insert(name).second; ++n) name = wanted + "_" + std::to_string(n);
    return name;
}

void TExportContext::AddComponentSymbol(SchHandle component, TKicadSymbol symbol) {
    symbol.Name = UniqueSymbolName(symbol.Name);
    FSymbolOfComponent[component] = FSymbols.size();
    FComponentByName.emplace(symbol.Name, FSymbols.size());
    FSymbols.push_back(std::move(symbol));
}

const TKicadSymbol* TExportContext::SymbolOfPart(const qelsch::Part& part) const {
    const qelsch::LibraryComponent* component =
        FEditor.Store().FindComponentByName(part.libReference);
    if (!component) return nullptr;
    auto found = FSymbolOfComponent.find(component->handle);
    return found == FSymbolOfComponent.end() ? nullptr : &FSymbols[found->second];
}

const TKicadSymbol& TExportContext::PowerSymbolOf(const std::string& net) {
    auto found = FPowerSymbols.find(net);
    if (found != FPowerSymbols.end()) return found->second;
    const TKicadSymbol& symbol =
        FPowerSymbols.emplace(net, PowerSymbol(UniqueSymbolName("PWR_" + SafeSymbolName(net)), net))
            .first->second;
    FPowerByName.emplace(symbol.Name, &symbol);
    return symbol;
}

std::vector<const TKicadSymbol*> TExportContext::AllSymbols() const {
    std::vector<const TKicadSymbol*> all;
    for (const TKicadSymbol& symbol : FSymbols) all.push_back(&symbol);
    for (const auto& [net, symbol] : FPowerSymbols) all.push_back(&symbol);
    return all;
}

const TKicadSymbol* TExportContext::FindSymbol(const std::string& name) const {
    if (auto found = FComponentByName.find(name); found != FComponentByName.end())
        return &FSymbols[found->second];
    auto found = FPowerByName.find(name);
    return found == FPowerByName.end() ? nullptr : found->second;
}

std::string TExportContext::GlobalSpelling(const std::string& utf8) {
    return FSpellings.try_emplace(connectivity::UpperAscii(utf8), utf8).first->second;
}

std::string TExportContext::NextPowerReference() {
    std::string number = std::to_string(++FPowerCount);
    if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
    return "#PWR" + number;
}

// --- page -----------------------------------------------------------------------------------

TKiPoint PageSize(const qelsch::DocumentOptions& options) {
    // KiCad's user page lies between 1 and 120 inches on each side.
    constexpr int64_t kMin = 25400, kMax = 3048000;
    // Landscape sizes in micrometres of the editor's standard sheets A4..A0, A..E.
    static const TKiPoint kStandard[] = {
        {297000, 210000}, {420000, 297000}, {594000, 420000}, {841000, 594000}, {1189000, 841000},
        {279400, 215900}, {431800, 279400}, {558800, 431800}, {863600, 558800}, {1117600, 863600}};
    TKiPoint size =
        options.useCustomSheet || options.sheetStyle > 9
            ? TKiPoint{HostToMicrometres(options.customX), HostToMicrometres(options.customY)}
            : kStandard[options.sheetStyle];
    size.X = std::clamp(size.X, kMin, kMax);
    size.Y = std::clamp(size.Y, kMin, kMax);
    return size;
}

// --- one sheet ------------------------------------------------------------------------------

namespace {

TSheetPoint ToPoint(const qelsch::SchPoint& p) {
    return connectivity::ToSheetPoint(p);
}

// Writes the items of one sheet.
class TSheetWriter {
  public:
    TSheetWriter(TExportContext& context, const qelsch::Document& sheet, const TSheetFrame& frame,
                 const std::string& uuidKey)
        : FContext(context),
          FSheet(sheet),
          FFrame(frame),
          FUuidKey(uuidKey),
          FSheetName(context.Utf8(sheet.name)) {}

    TSheetBody Run();

  private:
    // Points where the editor joins a wire that passes through them.
    void CollectAnchors();
    // Names of ports and power objects of this sheet (upper case): a net label that shares one
    // joins them, so it must be a global label in KiCad.
    void CollectGlobalNames();

    void AddObject(const qelsch::SchObject& object);
    void AddWire(const qelsch::MultiVertexObject& wire, const char* kind);
    void AddPart(const qelsch::Part& part);
    void AddPower(const qelsch::PowerObject& power);
    void AddPort(const qelsch::Port& port);
    void AddNetLabel(const qelsch::NetLabel& label);
    void AddText(const std::string& utf8, const qelsch::SchPoint& at, uint8_t orientation,
                 int fontId);
    void AddGraphicLine(TKiPoint a, TKiPoint b, int lineWidth, int lineStyle);
    void AddGlobalLabel(const std::string& name, const char* shape, TSheetPoint at, int angle);

    std::string NextUuid() { return StableUuid(FUuidKey + "/" + std::to_string(FUuidCount++)); }
    std::string At(TSheetPoint p) const { return PairText(FFrame.Place(p.X, p.Y)); }
    std::string Where(const qelsch::SchPoint& p) const {
        return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    }
    bool Touches(TSheetPoint p, size_t ownAnchors) const;
    std::string FieldProperty(const std::string& name, const std::string& value, int id,
                              const qelsch::Text* field, int angle, bool forceHide);

    TExportContext& FContext;
    const qelsch::Document& FSheet;
    const TSheetFrame& FFrame;
    std::string FUuidKey;
    std::string FSheetName;
    size_t FUuidCount = 0;
    TSheetBody FBody;

    std::vector<TSheetPoint> FAnchors;                                    // join passing wires
    std::unordered_map<TSheetPoint, size_t, TSheetPointHash> FPointUses;  // anchors and vertices
    connectivity::TSegmentIndex FSegments;
    std::vector<std::pair<TSheetPoint, TSheetPoint>> FSegmentEnds;
    // Per wire segment, in the order of the sheet's wires: the anchors inside it.
    std::vector<std::vector<TSheetPoint>> FInside;
    size_t FNextSegment = 0;
    std::unordered_set<std::string> FGlobalNames;
    std::unordered_map<std::string, std::string> FLocalSpellings;  // upper case -> first spelling
};

TSheetBody TSheetWriter::Run() {
    CollectAnchors();
    CollectGlobalNames();
    for (SchHandle handle : FSheet.objects)
        if (const qelsch::SchObject* object = FContext.Editor().FindObject(handle))
            AddObject(*object);
    return std::move(FBody);
}

void TSheetWriter::CollectAnchors() {
    const qelsch::ObjectStore& store = FContext.Editor().Store();
    for (SchHandle handle : FSheet.objects) {
        const qelsch::SchObject* object = FContext.Editor().FindObject(handle);
        if (!object) continue;
        if (const auto* wire = object->As<qelsch::Wire>()) {
            for (size_t i = 0; i < wire->vertices.size(); ++i) {
                const TSheetPoint at = ToPoint(wire->vertices[i]);
                ++FPointUses[at];
                if (i == 0 || i + 1 == wire->vertices.size()) FAnchors.push_back(at);
                if (i + 1 < wire->vertices.size()) {
                    const TSheetPoint next = ToPoint(wire->vertices[i + 1]);
                    if (next == at) continue;
                    FSegments.Add(at, next, FSegmentEnds.size());
                    FSegmentEnds.emplace_back(at, next);
                }
            }
        } else if (object->As<qelsch::Junction>() || object->As<qelsch::NetLabel>() ||
                   object->As<qelsch::PowerObject>()) {
            FAnchors.push_back(ToPoint(object->location));
            ++FPointUses[FAnchors.back()];
        } else if (const auto* port = object->As<qelsch::Port>()) {
            for (const TSheetPoint& end : connectivity::PortEnds(*port)) {
                FAnchors.push_back(end);
                ++FPointUses[end];
            }
        } else if (const auto* part = object->As<qelsch::Part>()) {
            const qelsch::LibraryComponent* component =
                store.FindComponentByName(part->libReference);
            if (!component || part->currentPartId < 1 ||
                static_cast<size_t>(part->currentPartId) > component->parts.size())
                continue;
            const auto& drawn = component->parts[static_cast<size_t>(part->currentPartId) - 1];
            for (SchHandle pinHandle : drawn.In(qelsch::DisplayMode::Normal))
                if (const auto* pin = store.Find<qelsch::Pin>(pinHandle)) {
                    FAnchors.push_back(connectivity::PlacedPinEnd(*part, *pin));
                    ++FPointUses[FAnchors.back()];
                }
        }
    }
    FSegments.Build();
    FInside.resize(FSegmentEnds.size());
    for (const TSheetPoint& anchor : FAnchors)
        FSegments.Visit(anchor, [&](size_t segment) {
            const auto& [a, b] = FSegmentEnds[segment];
            if (anchor != a && anchor != b) FInside[segment].push_back(anchor);
        });
}

void TSheetWriter::CollectGlobalNames() {
    for (SchHandle handle : FSheet.objects) {
        const qelsch::SchObject* object = FContext.Editor().FindObject(handle);
        if (!object) continue;
        if (const auto* port = object->As<qelsch::Port>())
            FGlobalNames.insert(connectivity::UpperAscii(FContext.Utf8(port->name)));
        else if (const auto* power = object->As<qelsch::PowerObject>())
            FGlobalNames.insert(connectivity::UpperAscii(FContext.Utf8(power->text)));
    }
}

// True when something besides the object's own `ownAnchors` anchors stands at `p` or a wire
// passes through it.
bool TSheetWriter::Touches(TSheetPoint p, size_t ownAnchors) const {
    auto found = FPointUses.find(p);
    if (found != FPointUses.end() && found->second > ownAnchors) return true;
    bool passes = false;
    FSegments.Visit(p, [&](size_t) { passes = true; });
    return passes;
}

void TSheetWriter::AddObject(const qelsch::SchObject& object) {
    if (const auto* wire = object.As<qelsch::Wire>()) return AddWire(*wire, "wire");
    if (const auto* bus = object.As<qelsch::Bus>()) return AddWire(*bus, "bus");
    if (const auto* part = object.As<qelsch::Part>()) return AddPart(*part);
    if (const auto* power = object.As<qelsch::PowerObject>()) return AddPower(*power);
    if (const auto* port = object.As<qelsch::Port>()) return AddPort(*port);
    if (const auto* label = object.As<qelsch::NetLabel>()) return AddNetLabel(*label);
    if (object.As<qelsch::Junction>()) {
        FBody.Items.push_back("(junction (at " + At(ToPoint(object.location)) +
                              ") (diameter 0) (color 0 0 0 0)\n  (uuid " + NextUuid() + ")\n)");
        return;
    }
    if (const auto* entry = object.As<qelsch::BusEntry>()) {
        const TKiPoint a = FFrame.Place(entry->location);
        const TKiPoint b = FFrame.Place(entry->corner);
        FBody.Items.push_back("(bus_entry (at " + PairText(a) + ") (size " +
                              PairText({b.X - a.X, b.Y - a.Y}) + ")\n  " + StrokeText(0, -1) +
                              "\n  (uuid " + NextUuid() + ")\n)");
        return;
    }
    if (const auto* label = object.As<qelsch::Annotation>())
        return AddText(FContext.Utf8(label->text), label->location, label->orientation,
                       label->fontId);
    if (const auto* text = object.As<qelsch::Text>()) {
        if (text->isHidden) {
            FContext.Report().LeftOut(FSheetName, "hidden text \"" + FContext.Utf8(text->text) +
                                                      "\" at " + Where(text->location) +
                                                      " (KiCad has no hidden free text)");
            return;
        }
        return AddText(FContext.Utf8(text->text), text->location, text->orientation, 1);
    }
    if (const auto* line = object.As<qelsch::Line>())
        return AddGraphicLine(FFrame.Place(line->corner), FFrame.Place(line->location), 0,
                              line->lineStyle);
    if (const auto* polyline = object.As<qelsch::Polyline>()) {
        for (size_t i = 0; i + 1 < polyline->vertices.size(); ++i)
            AddGraphicLine(FFrame.Place(polyline->vertices[i]),
                           FFrame.Place(polyline->vertices[i + 1]), polyline->lineWidth, 0);
        return;
    }
    if (const auto* polygon = object.As<qelsch::Polygon>()) {
        const auto& v = polygon->vertices;
        for (size_t i = 0; v.size() >= 2 && i < v.size(); ++i)
            AddGraphicLine(FFrame.Place(v[i]), FFrame.Place(v[(i + 1) % v.size()]),
                           polygon->lineWidth, 0);
        FContext.Report().Approximated(
            FSheetName, "polygon at " + Where(polygon->location) +
                            " drawn as its outline (a KiCad 6 sheet has no filled shapes)");
        return;
    }
    if (const auto* arc = object.As<qelsch::Arc>()) {
        const double start = qelsch::Real48ToDouble(arc->startAngle);
        const double sweep = ArcSweep(start, qelsch::Real48ToDouble(arc->endAngle));
        const std::vector<TArcPoint> points = ArcPolyline(arc->location, arc->radius, start, sweep);
        for (size_t i = 0; i + 1 < points.size(); ++i)
            AddGraphicLine({points[i].X, FFrame.PageHeight - points[i].Y},
                           {points[i + 1].X, FFrame.PageHeight - points[i + 1].Y}, arc->lineWidth,
                           0);
        FContext.Report().Approximated(FSheetName,
                                       "arc at " + Where(arc->location) +
                                           " drawn as line segments (a KiCad 6 sheet has no arcs)");
        return;
    }
    FContext.Report().LeftOut(FSheetName, std::string("a ") + qelsch::KindName(object.kind) +
                                              " at " + Where(object.location) +
                                              " (no KiCad counterpart on a sheet)");
}

void TSheetWriter::AddWire(const qelsch::MultiVertexObject& wire, const char* kind) {
    const bool cut = wire.kind == qelsch::Wire::kKind;
    for (size_t i = 0; i + 1 < wire.vertices.size(); ++i) {
        const TSheetPoint a = ToPoint(wire.vertices[i]);
        const TSheetPoint b = ToPoint(wire.vertices[i + 1]);
        if (a == b) continue;
        std::vector<TSheetPoint> points = {a, b};
        if (cut) {
            // KiCad joins only at end points: cut the segment wherever the editor joins something
            // standing inside it.
            const std::vector<TSheetPoint>& inside = FInside[FNextSegment++];
            points.insert(points.end(), inside.begin(), inside.end());
            auto distance = [&](const TSheetPoint& p) {
                return (p.X - a.X) * (p.X - a.X) + (p.Y - a.Y) * (p.Y - a.Y);
            };
            std::sort(points.begin(), points.end(),
                      [&](const TSheetPoint& p, const TSheetPoint& q) {
                          return distance(p) < distance(q);
                      });
            points.erase(std::unique(points.begin(), points.end()), points.end());
        }
        for (size_t k = 0; k + 1 < points.size(); ++k)
            FBody.Items.push_back(std::string("(") + kind + " (pts " +
                                  XyText(FFrame.Place(points[k].X, points[k].Y)) + " " +
                                  XyText(FFrame.Place(points[k + 1].X, points[k + 1].Y)) + ")\n  " +
                                  StrokeText(0, -1) + "\n  (uuid " + NextUuid() + ")\n)");
    }
}

std::string TSheetWriter::FieldProperty(const std::string& name, const std::string& value, int id,
                                        const qelsch::Text* field, int angle, bool forceHide) {
    const TKiPoint at = field ? FFrame.Place(field->location) : TKiPoint{};
    const bool hide = forceHide || !field || field->isHidden;
    return "(property " + Quoted(name) + " " + Quoted(value) + " (id " + std::to_string(id) +
           ") (at " + PairText(at) + " " + std::to_string(angle) + ")\n  " +
           EffectsText(1270, "left bottom", hide) + "\n)";
}

void TSheetWriter::AddPart(const qelsch::Part& part) {
    const qelsch::ObjectStore& store = FContext.Editor().Store();
    const qelsch::Text* designator = store.Find<qelsch::Text>(part.designatorField);
    const qelsch::Text* comment = store.Find<qelsch::Text>(part.commentField);
    const std::string designatorText = designator ? FContext.Utf8(designator->text) : std::string();
    const TKicadSymbol* symbol = FContext.SymbolOfPart(part);
    if (!symbol) {
        FContext.Report().LeftOut(
            FSheetName, "part " + designatorText + " at " + Where(part.location) +
                            ": its library component " + FContext.Utf8(part.libReference) +
                            " is in no library");
        return;
    }
    int unit = part.currentPartId;
    if (unit < 1 || static_cast<size_t>(unit) > symbol->Units.size()) {
        FContext.Report().Approximated(
            FSheetName, "part " + designatorText + " at " + Where(part.location) + ": part " +
                            std::to_string(unit) + " of a component with " +
                            std::to_string(symbol->Units.size()) + " parts placed as part 1");
        unit = 1;
    }
    std::string reference = designatorText;
    if (reference.empty() || reference == "?") reference = symbol->Reference + "?";
    const std::string value = comment ? FContext.Utf8(comment->text) : std::string();
    const std::string footprint = FContext.Utf8(part.footprint);
    const int angle = (part.orientation & 3) * 90;
    // A field's angle in KiCad is relative to its symbol: a turned symbol turns its fields.
    auto fieldAngle = [&](const qelsch::Text* field) {
        const int own = field ? field->orientation & 1 : 0;
        return (own ^ (part.orientation & 1)) ? 90 : 0;
    };
    const std::string uuid = NextUuid();
    std::string text = "(symbol (lib_id " + Quoted(FContext.LibraryName() + ":" + symbol->Name) +
                       ") (at " + At(ToPoint(part.location)) + " " + std::to_string(angle) + ")" +
                       (part.mirrored ? " (mirror y)" : "") + " (unit " + std::to_string(unit) +
                       ")\n  (in_bom yes) (on_board yes)\n  (uuid " + uuid + ")\n";
    auto property = [&](const std::string& item) {
        size_t start = 0;
        while (start < item.size()) {
            size_t end = item.find('\n', start);
            if (end == std::string::npos) end = item.size();
            text += "  " + item.substr(start, end - start) + "\n";
            start = end + 1;
        }
    };
    property(FieldProperty("Reference", reference, 0, designator, fieldAngle(designator), false));
    property(FieldProperty("Value", value, 1, comment, fieldAngle(comment), false));
    property(FieldProperty("Footprint", footprint, 2, designator, 0, true));
    property(FieldProperty("Datasheet", "", 3, designator, 0, true));
    std::set<std::string> taken = {"Reference", "Value", "Footprint", "Datasheet"};
    int id = 4;
    for (SchHandle handle : part.partFields) {
        const qelsch::Text* field = store.Find<qelsch::Text>(handle);
        if (!field || field->text == "*") continue;
        // Parameter fields hold "Name Value".
        const std::string utf8 = FContext.Utf8(field->text);
        const size_t blank = utf8.find(' ');
        std::string name = utf8.substr(0, blank);
        if (name.empty()) name = "Field";
        std::string unique = name;
        for (int n = 2; !taken.insert(unique).second; ++n) unique = name + "_" + std::to_string(n);
        property(FieldProperty(unique, blank == std::string::npos ? "" : utf8.substr(blank + 1),
                               id++, field, fieldAngle(field), false));
    }
    for (const std::string& pin : symbol->UnitPins[static_cast<size_t>(unit) - 1])
        text += "  (pin " + Quoted(pin) + " (uuid " + StableUuid(uuid + "/pin/" + pin) + "))\n";
    FBody.Items.push_back(text + ")");
    FBody.UsedSymbols.insert(symbol->Name);
    FBody.Instances.push_back({uuid, reference, unit, value, footprint});
}

void TSheetWriter::AddPower(const qelsch::PowerObject& power) {
    const std::string net = FContext.GlobalSpelling(FContext.Utf8(power.text));
    if (net.empty()) {
        FContext.Report().LeftOut(FSheetName,
                                  "power object without a net name at " + Where(power.location));
        return;
    }
    const TKicadSymbol& symbol = FContext.PowerSymbolOf(net);
    // The symbol stands up from its pin; the editor's power object points along its orientation.
    const int angle = ((power.orientation + 3) & 3) * 90;
    const qelsch::SchPoint step = DirectionStep(power.orientation);
    const TSheetPoint at = ToPoint(power.location);
    const TSheetPoint valueAt = {at.X + 12 * step.x, at.Y + 12 * step.y};
    const std::string uuid = NextUuid();
    const std::string reference = FContext.NextPowerReference();
    FBody.Items.push_back("(symbol (lib_id " + Quoted(FContext.LibraryName() + ":" + symbol.Name) +
                          ") (at " + At(at) + " " + std::to_string(angle) +
                          ") (unit 1)\n  (in_bom yes) (on_board yes)\n  (uuid " + uuid +
                          ")\n  (property \"Reference\" " + Quoted(reference) + " (id 0) (at " +
                          At(at) + " 0)\n    " + EffectsText(1270, nullptr, true) +
                          "\n  )\n  (property \"Value\" " + Quoted(net) + " (id 1) (at " +
                          At(valueAt) + " 0)\n    " + EffectsText(1270, nullptr, false) +
                          "\n  )\n  (property \"Footprint\" \"\" (id 2) (at " + At(at) +
                          " 0)\n    " + EffectsText(1270, nullptr, true) +
                          "\n  )\n  (property \"Datasheet\" \"\" (id 3) (at " + At(at) +
                          " 0)\n    " + EffectsText(1270, nullptr, true) +
                          "\n  )\n  (pin \"1\" (uuid " + StableUuid(uuid + "/pin/1") + "))\n)");
    FBody.UsedSymbols.insert(symbol.Name);
    FBody.Instances.push_back({uuid, reference, 1, net, ""});
}

void TSheetWriter::AddGlobalLabel(const std::string& name, const char* shape, TSheetPoint at,
                                  int angle) {
    const char* justify = angle == 180 || angle == 270 ? "right" : "left";
    FBody.Items.push_back(
        "(global_label " + Quoted(name) + " (shape " + shape + ") (at " + At(at) + " " +
        std::to_string(angle) + ") (fields_autoplaced)\n  " + EffectsText(1270, justify, false) +
        "\n  (uuid " + NextUuid() +
        ")\n  (property \"Intersheet References\" \"${INTERSHEET_REFS}\" (id 0) (at " + At(at) +
        " 0)\n    " + EffectsText(1270, nullptr, true) + "\n  )\n)");
}

void TSheetWriter::AddPort(const qelsch::Port& port) {
    const std::string name = FContext.GlobalSpelling(FContext.Utf8(port.name));
    if (name.empty()) {
        FContext.Report().LeftOut(FSheetName, "port without a name at " + Where(port.location));
        return;
    }
    const auto ends = connectivity::PortEnds(port);
    const bool vertical = port.style >= 4 && port.style <= 7;
    const uint8_t shape = vertical ? port.style - 4 : port.style & 3;
    // Shape codes (less 4 for the vertical ones): horizontal 1 pointed at the left end, 2 at the
    // right end; vertical 1 pointed at the top end, 2 at the bottom end; 3 both.
    const bool pointedLow = vertical ? shape == 2 || shape == 3 : shape == 1 || shape == 3;
    const bool pointedHigh = vertical ? shape == 1 || shape == 3 : shape == 2 || shape == 3;
    const size_t own = ends[0] == ends[1] ? 2 : 1;
    const bool lowTouches = Touches(ends[0], own);
    const bool highTouches = ends[0] != ends[1] && Touches(ends[1], own);
    auto shapeWord = [](bool pointedNear, bool pointedFar) {
        return pointedNear && pointedFar ? "bidirectional"
               : pointedNear             ? "input"
               : pointedFar              ? "output"
                                         : "passive";
    };
    // A label stands at each end where something connects (the editor's port joins both ends),
    // pointing into the port's body.
    if (lowTouches || !highTouches)
        AddGlobalLabel(name, shapeWord(pointedLow, pointedHigh), ends[0], vertical ? 90 : 0);
    if (highTouches)
        AddGlobalLabel(name, shapeWord(pointedHigh, pointedLow), ends[1], vertical ? 270 : 180);
}

void TSheetWriter::AddNetLabel(const qelsch::NetLabel& label) {
    const std::string utf8 = FContext.Utf8(label.text);
    if (utf8.empty()) {
        FContext.Report().LeftOut(FSheetName,
                                  "net label without a name at " + Where(label.location));
        return;
    }
    const int angle = (label.orientation & 3) * 90;
    if (FGlobalNames.count(connectivity::UpperAscii(utf8))) {
        // It joins a port or power object of this sheet, which are global in KiCad.
        AddGlobalLabel(FContext.GlobalSpelling(utf8), "passive", ToPoint(label.location), angle);
        return;
    }
    // The editor joins the net labels of one sheet without regard to ASCII letter case.
    const std::string& spelling =
        FLocalSpellings.try_emplace(connectivity::UpperAscii(utf8), utf8).first->second;
    FBody.Items.push_back("(label " + Quoted(spelling) + " (at " + At(ToPoint(label.location)) +
                          " " + std::to_string(angle) + ")\n  " +
                          EffectsText(1270, angle >= 180 ? "right bottom" : "left bottom", false) +
                          "\n  (uuid " + NextUuid() + ")\n)");
}

void TSheetWriter::AddText(const std::string& utf8, const qelsch::SchPoint& at, uint8_t orientation,
                           int fontId) {
    const int angle = (orientation & 3) * 90;
    FBody.Items.push_back(
        "(text " + Quoted(utf8) + " (at " + At(ToPoint(at)) + " " + std::to_string(angle) +
        ")\n  " +
        EffectsText(FontSize(fontId), angle >= 180 ? "right bottom" : "left bottom", false) +
        "\n  (uuid " + NextUuid() + ")\n)");
}

void TSheetWriter::AddGraphicLine(TKiPoint a, TKiPoint b, int lineWidth, int lineStyle) {
    FBody.Items.push_back("(polyline (pts " + XyText(a) + " " + XyText(b) + ")\n  " +
                          StrokeText(lineWidth, lineStyle) + "\n  (uuid " + NextUuid() + ")\n)");
}

}  // namespace

TSheetBody ExportSheetBody(TExportContext& context, const qelsch::Document& sheet,
                           const TSheetFrame& frame, const std::string& uuidKey) {
    return TSheetWriter(context, sheet, frame, uuidKey).Run();
}

}  // namespace kicad
