// The library import: every component definition of the library becomes one component of a new
// host library document, built by driving the host's library editor. The editor's current
// component, part and display mode carry the import from one command to the next, so the order
// of commands and translations below is the behaviour.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "frame/client_procs.h"
#include "frame/import_state.h"
#include "frame/parameters.h"
#include "frame/sch_procs.h"
#include "host/document_options.h"
#include "host/sch_pin.h"
#include "model/component_def.h"
#include "model/drawing_support.h"
#include "model/library.h"
#include "model/symbol_def.h"
#include "model/word_table.h"
#include "report/report_manager.h"

namespace {

constexpr size_t kShortStringLength = 255;

std::string Cut(std::string text) {
    if (text.size() > kShortStringLength) text.resize(kShortStringLength);
    return text;
}

// The library editor's commands, each sent to the window of the library document.
void SendCommand(const TDocumentOptions& document, const char* command) {
    schapi::SendCommand(command, nullptr, 0,
                        schapi::GetWindowHandleFromSheetHandle(document.FDocumentHandle));
}

// "Sch:CreateComponent" takes the new component's name as the parameter "Name", in a
// 256-byte buffer.
void SendCreateComponent(const TDocumentOptions& document, const std::string& name) {
    std::string parameters;
    SetParameter(parameters, "Name", name);
    std::array<char, kSchTextBufferSize> buffer{};
    parameters.copy(buffer.data(), buffer.size() - 1);
    schapi::SendCommand("Sch:CreateComponent", buffer.data(), buffer.size(),
                        schapi::GetWindowHandleFromSheetHandle(document.FDocumentHandle));
}

// The command that makes a display mode (kAlt...) current.
const char* ToggleCommand(uint8_t mode) {
    switch (mode) {
        case kAltIeee:
            return "Sch:ToggleComponentIEEE";
        case kAltDeMorgan:
            return "Sch:ToggleComponentDemorgan";
        default:
            return "Sch:ToggleComponentNormal";
    }
}

constexpr std::array<uint8_t, 3> kDisplayModes{kAltNormal, kAltIeee, kAltDeMorgan};

void SendPreviousParts(const TDocumentOptions& document, int32_t parts) {
    for (int32_t i = 1; i < parts; ++i) SendCommand(document, "Sch:PreviousComponentPart");
}

// Attributes that placed parts show through their own texts, not as library fields.
bool IsPartTextAttribute(const TNimboAttr& attr) {
    return wordtab::SameText(attr.FName, "RefDes") || wordtab::SameText(attr.FName, "Value") ||
           wordtab::SameText(attr.FName, "Type");
}

std::string FieldText(const TNimboAttr& attr) {
    return Cut(attr.FName + " " + attr.FValue);
}

}  // namespace

// Beyond this many parts a component's part count is taken as damage: drawing 2^31 empty parts
// would hang the host.
constexpr int32_t kMaxComponentParts = 1024;

uint8_t PinElectricalCode(uint8_t pinType) {
    switch (pinType) {
        case kPinTypeInput:
            return 0;
        case kPinTypeOutput:
            return 2;
        case kPinTypeBidirectional:
            return 1;
        case kPinTypeOpenH:
            return 3;
        case kPinTypeOpenL:
            return 6;
        case kPinTypeThreeState:
            return 5;
        case kPinTypePower:
            return 7;
        default:
            return 4;  // unknown and the passive kinds
    }
}

// ---- TNimboLibrary -------------------------------------------------------------------------

std::unique_ptr<TDocumentOptions> TNimboLibrary::CreateLibraryDocument() {
    SchHandle handle = 0;
    if (IClient* client = ModuleClient()) {
        IServerModule* module = client->GetServerModule("Sch");
        IHostDocument* document =
            module ? module->CreateDocument("SchLib", GetImportFileName().c_str()) : nullptr;
        if (document != nullptr) {
            client->ShowDocument(document);
            handle = schapi::GetCurrentDocumentHandle();
        }
    }
    if (handle == 0) return nullptr;
    auto options = std::make_unique<TDocumentOptions>(handle);
    options->Query(qmRead);
    schapi::RedrawSheet(handle);
    return options;
}

void TNimboLibrary::Translate() {
    if (FCompDefs.Count() == 0) return;
    FLibraryDocument = CreateLibraryDocument();
    for (TNimboStyleDef::TEntry& entry : FCompDefs.FDefinitions) {
        entry.Definition->FDocument = FLibraryDocument.get();
        try {
            entry.Definition->Translate();
        } catch (...) {
            // One broken definition keeps neither the others nor the import from going on.
        }
    }
}

// ---- TNimboCompDef -------------------------------------------------------------------------

void TNimboCompDef::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    if (FHeader == nullptr) {
        // Without a header there is no part count to build: nothing is made for it.
        if (FReport) {
            FReport->AddImportWarning(Cut("Component Without Header Skipped: " + FOriginalName), 0);
        }
        return;
    }
    int32_t parts = FHeader->FNumParts;
    if (parts > kMaxComponentParts) {
        if (FReport) {
            FReport->AddImportWarning(Cut("Too Many Parts In " + FOriginalName + ": only " +
                                          std::to_string(kMaxComponentParts) + " Made"),
                                      0);
        }
        parts = kMaxComponentParts;
    }

    SendCreateComponent(document, FOriginalName);
    TSchLibraryOptions options(document.FDocumentHandle);
    options.Query(qmRead);
    TSchLibraryComponent component(options.FCurrentComponent);
    component.Query(qmRead);

    for (const auto& pattern : FAttachedPatterns) {
        if (pattern->FPatternNum >= 0 && pattern->FPatternNum <= 3) {
            component.FTexts[TSchLibraryComponent::kFootprintText].Set(pattern->FPatternName);
        }
    }
    component.FTexts[TSchLibraryComponent::kDesignatorPrefixText].Set(FHeader->FRefDesPrefix);

    const TNimboLibrary* library = TNimboLibrary::Of(this);
    for (int32_t part = 1; part <= parts; ++part) {
        for (const auto& symbol : FAttachedSymbols) {
            if (symbol->FPartNum != part) continue;
            SendCommand(document, ToggleCommand(symbol->FAltType));
            symbol->FDocument = FDocument;
            symbol->Translate();
            const TNimboSymbolDef* definition =
                library ? library->FindSymbolDef(symbol->FSymbolName) : nullptr;
            if (definition == nullptr) continue;
            for (const auto& attr : definition->FAttrs) {
                if (!IsPartTextAttribute(*attr)) AddLibraryField(FieldText(*attr), component);
            }
        }
        SendCommand(document, "Sch:AddComponentPart");
    }
    // The last part added above is empty.
    SendCommand(document, "Sch:RemoveComponentPart");
    SendPreviousParts(document, parts);

    for (const auto& attr : FAttrs) {
        if (!IsPartTextAttribute(*attr)) AddLibraryField(FieldText(*attr), component);
    }
    component.Query(qmWrite);
    UpdateComponentPins();
}

void TNimboCompDef::AddLibraryField(const std::string& text, TSchLibraryComponent& component) {
    bool placed = false;
    for (size_t slot = 0; slot < TSchLibraryComponent::kFieldTextCount && !placed; ++slot) {
        TSchText& field = component.FTexts[TSchLibraryComponent::kFirstFieldText + slot];
        if (field.Empty()) {
            field.Set(text);
            placed = true;
        }
    }
    if (!placed && FReport) {
        FReport->AddImportWarning(
            Cut("Unable To Add Read Only Field " + text + " To " + FOriginalName),
            component.FHandle);
    }
    component.Query(qmWrite);
}

namespace {

// The host pins of the current part by their name text, one index per display mode, each read
// once while its mode is current. The names of unclaimed pins do not change during the pin
// pass and a claimed pin is never claimed again, so one reading serves every component pin of
// the part; a pin added to a mode makes that mode's index be read again.
class TDrawnPins {
  public:
    explicit TDrawnPins(const TDocumentOptions& document) : FDocument(document) {}

    // Forgets every index (another part became current).
    void Forget() {
        for (auto& index : FByMode) index.reset();
    }
    void Forget(uint8_t mode) { FByMode.at(mode).reset(); }

    // The pins named `name` in `mode`, which must be the current mode, in host order.
    const std::vector<SchHandle>& Named(uint8_t mode, const std::string& name) {
        std::optional<TIndex>& index = FByMode.at(mode);
        if (!index) index = ReadCurrentMode();
        static const std::vector<SchHandle> kNone;
        auto found = index->find(name);
        return found == index->end() ? kNone : found->second;
    }

  private:
    using TIndex = std::unordered_map<std::string, std::vector<SchHandle>>;

    // The host's pin iteration covers the current part in the current display mode.
    TIndex ReadCurrentMode() const {
        TIndex index;
        const SchHandle iterator = schapi::CreateIterator(FDocument.FDocumentHandle, hoPin);
        for (SchHandle handle = schapi::GetFirstObject(iterator); handle != 0;
             handle = schapi::GetNextObject(iterator)) {
            if (schapi::GetObjectIdFromObjectHandle(handle) != hoPin) continue;
            TPin host(handle);
            host.Query(qmRead);
            index[host.FName.Get()].push_back(handle);
        }
        return index;
    }

    const TDocumentOptions& FDocument;
    std::array<std::optional<TIndex>, kDisplayModes.size()> FByMode;
};

// Names and types the host pins of the current part and display mode whose name text is
// `pin`'s symbol pin number and that no component pin claimed yet.
void NameDrawnPins(TDrawnPins& drawn, uint8_t mode, const TNimboCompPin& pin,
                   std::unordered_set<SchHandle>& claimed) {
    for (SchHandle handle : drawn.Named(mode, std::to_string(pin.FSymPinNum))) {
        if (!claimed.insert(handle).second) continue;
        TPin host(handle);
        host.Query(qmRead);
        host.FDesignator.Set(pin.FPinDesignator);
        host.FName.Set(pin.FPinName);
        host.FElectrical = PinElectricalCode(pin.FPinType);
        host.Query(qmWrite);
    }
}

// A host pin for a component pin that no symbol draws, `index`-th of those, in a row along the
// X axis from X = 40 [host units].
void AddUndrawnPin(const TDocumentOptions& document, const TNimboCompPin& pin, int32_t index) {
    TPin host(schapi::CreateObjectEx(hoPin));
    host.Query(qmRead);
    host.FDesignator.Set(pin.FPinDesignator);
    host.FName.Set(pin.FPinName);
    host.FLocation = {index * 10 + 40, 0};
    host.FAddedPin = 1;
    host.FOrientation = 3;
    host.FElectrical = PinElectricalCode(pin.FPinType);
    host.Query(qmWrite);
    schapi::AddObjectToContainer(document.FDocumentHandle, host.FHandle);
}

}  // namespace

// Runs with the first part current; walks every part and display mode once more and leaves
// the first part and the normal mode current.
void TNimboCompDef::UpdateComponentPins() {
    const TDocumentOptions& document = TargetDocument(*this);
    const int32_t parts = FHeader ? std::min(FHeader->FNumParts, kMaxComponentParts) : 0;
    std::unordered_set<SchHandle> claimed;
    TDrawnPins drawn(document);
    int32_t added = 0;
    for (int32_t part = 1; part <= parts; ++part) {
        drawn.Forget();
        for (const auto& pin : FCompPins) {
            for (uint8_t mode : kDisplayModes) {
                SendCommand(document, ToggleCommand(mode));
                if (pin->FPartNum == part) {
                    NameDrawnPins(drawn, mode, *pin, claimed);
                } else if (pin->FPartNum == 0 && mode == kAltNormal && part == 1) {
                    AddUndrawnPin(document, *pin, added++);
                    drawn.Forget(mode);
                }
            }
        }
        if (part < parts) SendCommand(document, "Sch:NextComponentPart");
    }
    SendPreviousParts(document, parts);
    SendCommand(document, "Sch:ToggleComponentNormal");
}
