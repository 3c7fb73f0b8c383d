#include "model/symbol_instance.h"

#include <string>
#include <unordered_map>

#include "host/create_host_object.h"
#include "host/geometry.h"
#include "host/sch_net_objects.h"
#include "host/sch_part.h"
#include "host/sch_text_field.h"
#include "host/sch_vertex_objects.h"
#include "model/attribute.h"
#include "model/comp_inst.h"
#include "model/component_def.h"
#include "model/design_host.h"
#include "model/library.h"
#include "model/line.h"
#include "model/netlist.h"
#include "model/pin.h"
#include "model/port.h"
#include "model/sheet.h"
#include "model/symbol_def.h"
#include "model/wire.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"
#include "report/report_manager.h"

namespace {

// Part texts at an attribute shift by this much off an upper or lower justified anchor.
constexpr int32_t kJustifyShift = 10;  // host units

bool IsUpper(uint8_t justify) {
    return justify / 3 == 0;
}
bool IsLower(uint8_t justify) {
    return justify / 3 == 2;
}

int32_t JustifyShiftY(uint8_t justify) {
    if (IsUpper(justify)) return -kJustifyShift;
    if (IsLower(justify)) return kJustifyShift;
    return 0;
}

// A step of `distance` host units in direction code 0 +x, 1 +y, 2 -x, 3 -y.
TPoint Step(TPoint p, uint8_t direction, int32_t distance) {
    switch (direction & 3) {
        case 0:
            return {p.X + distance, p.Y};
        case 1:
            return {p.X, p.Y + distance};
        case 2:
            return {p.X - distance, p.Y};
        default:
            return {p.X, p.Y - distance};
    }
}

std::string PointText(TPoint p, const char* separator) {
    return "(" + std::to_string(p.X) + separator + std::to_string(p.Y) + ")";
}

const TNimboNetlist* AsNetlist(const TNimboObject* object) {
    return dynamic_cast<const TNimboNetlist*>(object);
}

uint8_t CompTypeOf(const TNimboCompDef& def) {
    return def.FHeader ? def.FHeader->FCompType : static_cast<uint8_t>(kCompNormal);
}

}  // namespace

TNimboSymbol::TNimboSymbol(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Symbol";
}
TNimboSymbol::~TNimboSymbol() = default;

// ---- Reading ----

void TNimboSymbol::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::symbolRef:
                FSymbolRef = ReadString();
                return true;
            case kw::refDesRef:
                FRefDesRef = ReadString();
                return true;
            case kw::partNum:
                FPartNum = ReadInteger();
                return true;
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            default:
                return false;
        }
    });
}

// ---- Lookups ----

TNimboSheet* TNimboSymbol::OwningSheet() const {
    return dynamic_cast<TNimboSheet*>(FOwner);
}

TNimboAttr* TNimboSymbol::FindAttr(std::string_view name) const {
    for (const auto& attr : FAttrs) {
        if (wordtab::SameText(attr->FName, name)) return attr.get();
    }
    return nullptr;
}

TNimboCompDef* TNimboSymbol::FindCompDef(const TNimboObject* netlist, std::string_view refDes) {
    const TNimboNetlist* list = AsNetlist(netlist);
    return list ? list->FindInstanceCompDef(refDes) : nullptr;
}

TNimboAttachedSymbol* TNimboSymbol::FindAttachedSymbol() const {
    const TNimboCompDef* def = FindCompDef(FNetlist, FRefDesRef);
    if (def == nullptr) return nullptr;
    for (const auto& attached : def->FAttachedSymbols) {
        if (attached->FPartNum == FPartNum) return attached.get();
    }
    return nullptr;
}

std::string TNimboSymbol::NetNameAtPoint(const TNimboSheet* sheet, int32_t x, int32_t y) {
    if (sheet == nullptr) return {};
    const TPoint p{x, y};
    if (const TNimboWire* wire = sheet->FindFirstWireEndingAt(p)) {
        const std::string& net = wire->FLine->FNetNameRef;
        return sheet->HasPortNamed(net) ? net : std::string();
    }
    const TNimboPort* port = sheet->FindFirstPortAt(p);
    return port ? port->FNetNameRef : std::string();
}

// ---- Translation ----

void TNimboSymbol::Translate() {
    const TNimboCompDef* def = FindCompDef(FNetlist, FRefDesRef);
    if (def == nullptr) return;
    switch (CompTypeOf(*def)) {
        case kCompPower:
        case kCompLink:
            TranslatePins(*def);
            break;
        case kCompSheetConnector:
            DrawMarker(FPt.X, FPt.Y, kMarkerBlue);
            if (FReport != nullptr) {
                FReport->AddLoadWarning(
                    "Sheet connectors not supported! " + FRefDesRef + PointText(FPt, ", "), 0);
            }
            break;
        case kCompModule:
            PlacePart(kCompModule);
            break;
        default:
            PlacePart(kCompNormal);
            break;
    }
}

void TNimboSymbol::PlacePart(uint8_t compType) {
    std::unique_ptr<TSchPart> part = CreatePartForInstance(FNetlist, FRefDesRef);
    if (!part) return;
    part->FCurrentPartId = FPartNum;
    part->FLocation = FPt;
    part->FOrientation = QuarterTurns(FRotation) & 3;
    part->FMirrored = FIsFlipped ? 1 : 0;
    AddToDocument(*part, *this);

    TPoint corner;
    int32_t x2 = 0;
    int32_t y2 = 0;
    part->GetBoundingRectangle(corner.X, corner.Y, x2, y2);
    part->Query(qmWrite);

    if (compType == kCompModule) PlaceSheetFileNameField(*part);
    // Without a symbol for this part number the texts keep the host's defaults.
    if (FindAttachedSymbol() == nullptr) return;
    PlaceDesignatorAndComment(*part, corner);
}

void TNimboSymbol::PlaceSheetFileNameField(TSchPart& part) {
    const TNimboAttr* link = FindAttr("Link");
    if (link == nullptr) return;
    TSchTextField field(part.FSheetFileNameField);
    field.Query(qmRead);
    field.FText.Set(link->FValue);
    field.FIsHidden = link->FIsVisible ? 0 : 1;
    field.FLocation = {link->FPt.X + FPt.X, link->FPt.Y + FPt.Y + JustifyShiftY(link->FJustify)};
    field.Query(qmWrite);
}

void TNimboSymbol::PlaceDesignatorAndComment(TSchPart& part, TPoint corner) {
    const TNimboLibrary* library = TNimboLibrary::Of(this);
    const TNimboAttachedSymbol* attached = FindAttachedSymbol();
    const TNimboSymbolDef* symbolDef =
        library && attached ? library->FindSymbolDef(attached->FSymbolName) : nullptr;
    const bool turned = part.FOrientation == 1 || part.FOrientation == 3;

    // A field shows at its attribute when the symbol has a visible one, else it hides at the
    // corner of the part's extent.
    auto place = [&](TSchTextField& field, const TNimboAttr* attr, TPoint hiddenAt) {
        if (attr != nullptr && attr->FIsVisible) {
            field.FIsHidden = 0;
            field.FLocation = PlaceField(*attr);
        } else {
            field.FIsHidden = 1;
            field.FLocation = hiddenAt;
        }
        if (turned) field.FOrientation = 1;
    };

    TSchTextField field(part.FDesignatorField);
    field.Query(qmRead);
    place(field, symbolDef ? symbolDef->FindAttribute("RefDes") : nullptr, corner);
    field.FText.Set(FRefDesRef);
    field.Query(qmWrite);

    field.FHandle = part.FCommentField;
    field.Query(qmRead);
    const TNimboAttr* value = nullptr;
    if (symbolDef != nullptr) {
        value = symbolDef->FindAttribute("Value");
        if (value == nullptr) value = symbolDef->FindAttribute("Type");
    }
    place(field, value, {corner.X, corner.Y + 10});
    field.Query(qmWrite);
}

// Mirror in the symbol's frame, move to the instance, shift for the justification, then turn
// about the part's location.
TPoint TNimboSymbol::PlaceField(const TNimboAttr& attr) const {
    TPoint p = attr.FPt;
    if (FIsFlipped) MirrorX(p);
    p.X += FPt.X;
    p.Y += FPt.Y + JustifyShiftY(attr.FJustify);
    RotatePointAbout(FPt, p, QuarterTurns(FRotation));
    return p;
}

std::unique_ptr<TSchPart> TNimboSymbol::CreatePartForInstance(const TNimboObject* netlist,
                                                              std::string_view refDes) {
    const TNimboNetlist* list = AsNetlist(netlist);
    const TNimboCompInst* inst = list ? list->FindInstance(refDes) : nullptr;
    if (inst == nullptr) return nullptr;

    auto part = std::make_unique<TSchPart>(schapi::CreateObjectEx(TSchPart::Kind));
    part->Query(qmRead);
    part->FLibReference.Set(inst->FOriginalName);
    part->FFootprint.Set(inst->FPatternName);

    TSchTextField comment(part->FCommentField);
    comment.Query(qmRead);
    comment.FText.Set(inst->FCompValue);
    comment.Query(qmWrite);

    for (const auto& attr : inst->FAttrs) {
        if (wordtab::SameText(attr->FName, "RefDes") || wordtab::SameText(attr->FName, "Value") ||
            wordtab::SameText(attr->FName, "Type")) {
            continue;
        }
        AddPartField(netlist, (attr->FName + " " + attr->FValue).substr(0, 255), *part);
    }
    part->Query(qmWrite);
    return part;
}

void TNimboSymbol::AddPartField(const TNimboObject* /*netlist*/, const std::string& text,
                                TSchPart& part) {
    TSchTextField field;
    bool placed = false;
    // Every parameter is read, also after the text found its place.
    for (const SchHandle handle : part.FPartFields) {
        field.FHandle = handle;
        field.Query(qmRead);
        if (!placed && field.FText.Get() == "*") {
            field.FText.Set(text);
            field.Query(qmWrite);
            placed = true;
        }
    }
    if (placed) return;
    field.FHandle = part.FDesignatorField;
    field.Query(qmRead);
    if (FReport != nullptr) {
        FReport->AddImportWarning(
            ("Unable To Add Part Field " + text + " To " + field.FText.Get()).substr(0, 255),
            part.FHandle);
    }
}

void TNimboSymbol::DrawMarker(int32_t x, int32_t y, uint32_t colour) {
    auto marker = NewHostObject<TSchPolyline>();
    marker.FColor = colour;
    // A square with both diagonals.
    marker.FVertices = {{-5, -5}, {-5, 5}, {5, 5}, {5, -5}, {-5, -5}, {5, 5}, {5, -5}, {-5, 5}};
    OffsetPolyline(marker.FVertices, x, y);
    AddToDocument(marker, *this);
}

void TNimboSymbol::TranslatePins(const TNimboCompDef& def) {
    // The attached symbol by its position in the list, counted from 1.
    if (FPartNum < 1 || static_cast<size_t>(FPartNum) > def.FAttachedSymbols.size()) return;
    const TNimboLibrary* library = TNimboLibrary::Of(this);
    const TNimboSymbolDef* symbolDef =
        library ? library->FindSymbolDef(def.FAttachedSymbols[FPartNum - 1]->FSymbolName) : nullptr;
    if (symbolDef == nullptr) return;

    // The first component pin of this part for each symbol pin number.
    std::unordered_map<int32_t, const TNimboCompPin*> compPinBySymPin;
    for (const auto& compPin : def.FCompPins) {
        if (compPin->FPartNum == FPartNum)
            compPinBySymPin.try_emplace(compPin->FSymPinNum, compPin.get());
    }
    const bool power = CompTypeOf(def) == kCompPower;
    for (const auto& object : symbolDef->FDrawing) {
        if (object->FKindName != "Pin") continue;
        const auto* pin = dynamic_cast<const TNimboPin*>(object.get());
        if (pin == nullptr) continue;
        const auto found = compPinBySymPin.find(pin->FPinNum);
        const std::string& name =
            found != compPinBySymPin.end() ? found->second->FPinName : pin->FPinName;
        if (power) {
            PlacePowerObject(name, *pin);
        } else {
            PlaceLinkPort(name, *pin);
        }
    }
}

void TNimboSymbol::PlacePowerObject(const std::string& name, const TNimboPin& pin) {
    auto power = NewHostObject<TPowerObject>();
    power.FText.Set(name);
    // The power object stands at the pin's outer end and faces back along the pin.
    const uint8_t k = QuarterTurns(pin.FRotation) & 3;
    TPoint p = Step(pin.FPt, k, pin.FPinLength);
    uint8_t o = OppositeOrientation(k);
    PlaceInSymbol(p, o, FPt, FRotation, FIsFlipped);
    power.FLocation = p;
    power.FOrientation = o;
    AddToDocument(power, *this);
}

void TNimboSymbol::PlaceLinkPort(const std::string& name, const TNimboPin& pin) {
    auto port = NewHostObject<TSchPort>();
    port.FName.Set(name);
    port.FStyle = 0;
    port.FStyleByte2 = 0;
    port.FStyleByte3 = 0;
    port.FWidth = pin.FPinLength;
    TPoint location = pin.FPt;
    uint8_t o = QuarterTurns(pin.FRotation) & 3;
    if (pin.FIsFlipped) o = OppositeOrientation(o);
    PlaceInSymbol(location, o, TPoint{0, 0}, FRotation, FIsFlipped);
    // The port lies along the pin from its lower or left end.
    switch (o) {
        case 1:
            port.FStyle = 4;
            break;
        case 2:
            location.X -= port.FWidth;
            break;
        case 3:
            location.Y -= port.FWidth;
            port.FStyle = 4;
            break;
        default:
            break;
    }
    location.X += FPt.X;
    location.Y += FPt.Y;
    port.FLocation = location;

    // The pin connects at its far end.
    TPoint connection = location;
    if (o == 0) connection.X += port.FWidth;
    if (o == 1) connection.Y += port.FWidth;

    const std::string net = NetNameAtPoint(OwningSheet(), connection.X, connection.Y);
    if (!net.empty()) {
        DrawMarker(connection.X, connection.Y, kMarkerRed);
        if (FReport != nullptr) {
            FReport->AddImportWarning("Link component " + FRefDesRef + PointText(FPt, ",") +
                                          " removed. Connectivity preserved.",
                                      0);
        }
        schapi::DestroyObject(port.FHandle);
        return;
    }
    AddToDocument(port, *this);
    if (FReport != nullptr) {
        FReport->AddImportWarning(
            "Link component replaced with a port. Try resolving hierarchy first.", port.FHandle);
    }
}
