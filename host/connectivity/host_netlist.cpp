#include "host_netlist.h"

#include "connection_points.h"
#include "disjoint_sets.h"
#include "object_store.h"
#include "segment_index.h"

namespace connectivity {

namespace {

// A point at which a connection item can join others.
struct TAnchor {
    TSheetPoint At;
    size_t Element = 0;
    // Joins a wire that merely passes through the point; a wire's inner vertices do not.
    bool JoinsPassingWires = true;
};

// Joins the items of the sheets one sheet at a time; names join across sheets through
// elements shared by name.
class TNetBuilder {
  public:
    explicit TNetBuilder(const qelsch::SchEditor& editor) : FEditor(editor) {}

    void AddSheet(const qelsch::Document& sheet, size_t sheetNumber);
    THostNetlist Finish();

  private:
    size_t Item(TSheetPoint at, bool joinsPassingWires = true) {
        const size_t element = FSets.Add();
        FAnchors.push_back({at, element, joinsPassingWires});
        return element;
    }
    // The element that stands for a name in a scope; an empty name joins nothing.
    void JoinName(size_t element, char scope, const std::string& name);
    void AddWire(const qelsch::Wire& wire);
    void AddPart(const qelsch::Part& part);
    void JoinAnchors();

    const qelsch::SchEditor& FEditor;
    TDisjointSets FSets;
    std::unordered_map<std::string, size_t> FNames;
    std::vector<size_t> FPinElements;  // parallel to FResult.Pins
    THostNetlist FResult;
    // The sheet being added.
    std::string FSheetName;
    std::string FSheetScope;
    std::vector<TAnchor> FAnchors;
    TSegmentIndex FSegments;
};

void TNetBuilder::JoinName(size_t element, char scope, const std::string& name) {
    if (name.empty()) return;
    std::string key(1, scope);
    if (scope == 'S') key += FSheetScope;
    key += '\0' + UpperAscii(name);
    auto [found, added] = FNames.try_emplace(key, 0);
    if (added) found->second = FSets.Add();
    FSets.Join(element, found->second);
}

void TNetBuilder::AddWire(const qelsch::Wire& wire) {
    if (wire.vertices.empty()) return;
    const size_t element = FSets.Add();
    const size_t last = wire.vertices.size() - 1;
    for (size_t i = 0; i <= last; ++i) {
        const TSheetPoint at = ToSheetPoint(wire.vertices[i]);
        FAnchors.push_back({at, element, i == 0 || i == last});
        if (i < last) FSegments.Add(at, ToSheetPoint(wire.vertices[i + 1]), element);
    }
}

void TNetBuilder::AddPart(const qelsch::Part& part) {
    const qelsch::ObjectStore& store = FEditor.Store();
    const qelsch::Text* designator = store.Find<qelsch::Text>(part.designatorField);
    const std::string designatorText = designator ? designator->text : std::string();
    FResult.Parts.try_emplace(UpperAscii(designatorText),
                              TPlace{FSheetName, ToSheetPoint(part.location)});

    const qelsch::LibraryComponent* component = store.FindComponentByName(part.libReference);
    if (!component || part.currentPartId < 1 ||
        static_cast<size_t>(part.currentPartId) > component->parts.size())
        return;
    const qelsch::ComponentPart& drawn =
        component->parts[static_cast<size_t>(part.currentPartId) - 1];
    for (SchHandle handle : drawn.In(qelsch::DisplayMode::Normal)) {
        const qelsch::Pin* pin = store.Find<qelsch::Pin>(handle);
        if (!pin) continue;
        THostPin placed;
        placed.Node = {designatorText, pin->designator};
        placed.Place = {FSheetName, PlacedPinEnd(part, *pin)};
        placed.AddedByImport = pin->addedPin != 0;
        const size_t element = Item(placed.Place.At);
        // One node on several pins (a designator given twice) is one node of one net.
        JoinName(element, 'N', placed.Node.Key());
        FPinElements.push_back(element);
        FResult.Pins.push_back(std::move(placed));
    }
}

void TNetBuilder::AddSheet(const qelsch::Document& sheet, size_t sheetNumber) {
    FSheetName = sheet.name;
    FSheetScope = std::to_string(sheetNumber);
    FAnchors.clear();
    FSegments = TSegmentIndex();
    for (SchHandle handle : sheet.objects) {
        const qelsch::SchObject* object = FEditor.FindObject(handle);
        if (!object) continue;
        const TSheetPoint at = ToSheetPoint(object->location);
        if (const auto* wire = object->As<qelsch::Wire>()) {
            AddWire(*wire);
        } else if (object->As<qelsch::Junction>()) {
            Item(at);
        } else if (const auto* label = object->As<qelsch::NetLabel>()) {
            JoinName(Item(at), 'S', label->text);
        } else if (const auto* power = object->As<qelsch::PowerObject>()) {
            const size_t element = Item(at);
            JoinName(element, 'S', power->text);
            JoinName(element, 'P', power->text);
        } else if (const auto* port = object->As<qelsch::Port>()) {
            const auto ends = PortEnds(*port);
            const size_t element = Item(ends[0]);
            FAnchors.push_back({ends[1], element, true});
            JoinName(element, 'S', port->name);
            JoinName(element, 'O', port->name);
        } else if (const auto* part = object->As<qelsch::Part>()) {
            AddPart(*part);
        }
    }
    JoinAnchors();
}

void TNetBuilder::JoinAnchors() {
    FSegments.Build();
    std::unordered_map<TSheetPoint, size_t, TSheetPointHash> first;
    for (const TAnchor& anchor : FAnchors) {
        auto [found, added] = first.try_emplace(anchor.At, anchor.Element);
        if (!added) FSets.Join(anchor.Element, found->second);
        if (anchor.JoinsPassingWires)
            FSegments.Visit(anchor.At, [&](size_t wire) { FSets.Join(anchor.Element, wire); });
    }
}

THostNetlist TNetBuilder::Finish() {
    std::unordered_map<size_t, size_t> netOfRoot;
    for (size_t i = 0; i < FResult.Pins.size(); ++i) {
        const size_t root = FSets.Find(FPinElements[i]);
        FResult.Pins[i].Net = netOfRoot.try_emplace(root, netOfRoot.size()).first->second;
    }
    FResult.NetCount = netOfRoot.size();
    return std::move(FResult);
}

}  // namespace

THostNetlist ExtractHostNetlist(const qelsch::SchEditor& editor) {
    TNetBuilder builder(editor);
    size_t sheetNumber = 0;
    for (const qelsch::DocumentInfo& info : editor.ListDocuments()) {
        if (info.kind != qelsch::DocumentKind::Sheet) continue;
        if (const qelsch::Document* sheet = editor.FindDocument(info.handle))
            builder.AddSheet(*sheet, sheetNumber++);
    }
    return builder.Finish();
}

}  // namespace connectivity
