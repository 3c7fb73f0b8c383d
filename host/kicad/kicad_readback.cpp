#include "kicad_readback.h"

#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

#include "disjoint_sets.h"
#include "sexpr_reader.h"

namespace kicad {

namespace fs = std::filesystem;
using connectivity::THostNetlist;
using connectivity::THostPin;
using connectivity::TSheetPoint;
using connectivity::TSheetPointHash;

namespace {

std::optional<TSexpr> ReadFile(const fs::path& file, std::string& problem) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        problem = file.string() + ": cannot be read";
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string why;
    std::optional<TSexpr> parsed = ParseSexpr(text.str(), why);
    if (!parsed) problem = file.string() + ": " + why;
    return parsed;
}

std::optional<TSheetPoint> PointOf(const TSexpr* at, size_t first = 1) {
    if (!at) return std::nullopt;
    auto x = ParseMicrometres(at->AtomAt(first));
    auto y = ParseMicrometres(at->AtomAt(first + 1));
    if (!x || !y) return std::nullopt;
    return TSheetPoint{*x, *y};
}

int AngleOf(const TSexpr* at) {
    auto degrees = at ? ParseMicrometres(at->AtomAt(3)) : std::nullopt;
    return degrees ? static_cast<int>(((*degrees / 1000) % 360 + 360) % 360) : 0;
}

// A lib_symbols entry: its pins per unit (0 = every unit) and body style, and whether it is a
// power symbol.
struct TLibPin {
    TSheetPoint At;  // micrometres, Y up
    std::string Number;
    std::string Name;
    int Unit = 0;
    int Style = 0;
};
struct TLibSymbol {
    bool Power = false;
    std::vector<TLibPin> Pins;
};

std::map<std::string, TLibSymbol> LibSymbols(const TSexpr& file) {
    std::map<std::string, TLibSymbol> symbols;
    const TSexpr* lib = file.Child("lib_symbols");
    if (!lib) return symbols;
    for (const TSexpr* symbol : lib->Children("symbol")) {
        TLibSymbol& entry = symbols[symbol->AtomAt(1)];
        entry.Power = symbol->Child("power") != nullptr;
        for (const TSexpr* unit : symbol->Children("symbol")) {
            // "NAME_unit_style"
            const std::string name = unit->AtomAt(1);
            const size_t last = name.rfind('_');
            const size_t before = last == std::string::npos || last == 0
                                      ? std::string::npos
                                      : name.rfind('_', last - 1);
            int unitNumber = 0, style = 0;
            if (before != std::string::npos) {
                unitNumber = std::atoi(name.substr(before + 1, last - before - 1).c_str());
                style = std::atoi(name.substr(last + 1).c_str());
            }
            for (const TSexpr* pin : unit->Children("pin")) {
                auto at = PointOf(pin->Child("at"));
                if (!at) continue;
                const TSexpr* number = pin->Child("number");
                const TSexpr* pinName = pin->Child("name");
                entry.Pins.push_back({*at, number ? number->AtomAt(1) : "",
                                      pinName ? pinName->AtomAt(1) : "", unitNumber, style});
            }
        }
    }
    return symbols;
}

// A symbol's pin on the sheet: turned counter-clockwise by the angle (Y up), mirrored after the
// turn, then moved to the symbol's position on a page whose Y runs down.
TSheetPoint PlacePin(TSheetPoint pin, int angle, const std::string& mirror, TSheetPoint at) {
    TSheetPoint p = pin;
    for (int turns = angle / 90; turns > 0; --turns) p = {-p.Y, p.X};
    if (mirror == "x") p.Y = -p.Y;
    if (mirror == "y") p.X = -p.X;
    return {at.X + p.X, at.Y - p.Y};
}

class TReadback {
  public:
    bool ReadProject(const fs::path& root, std::string& problem);
    THostNetlist Finish();

  private:
    bool ReadSheet(const TSexpr& file, const std::string& sheetName, const std::string& path);
    size_t Item(TSheetPoint at) {
        const size_t element = FSets.Add();
        FAt.push_back({at, element});
        return element;
    }
    void JoinName(size_t element, const std::string& scope, const std::string& name) {
        auto [found, added] = FNames.try_emplace(scope + '\0' + name, 0);
        if (added) found->second = FSets.Add();
        FSets.Join(element, found->second);
    }

    connectivity::TDisjointSets FSets;
    std::unordered_map<std::string, size_t> FNames;
    std::vector<std::pair<TSheetPoint, size_t>> FAt;  // of the sheet being read
    std::map<std::string, std::string> FReferences;   // instance path -> reference
    std::vector<size_t> FPinElements;
    THostNetlist FResult;
};

bool TReadback::ReadSheet(const TSexpr& file, const std::string& sheetName,
                          const std::string& path) {
    FAt.clear();
    const std::map<std::string, TLibSymbol> symbols = LibSymbols(file);
    for (const TSexpr& item : file.Items) {
        const std::string& head = item.Head();
        if (head == "wire") {
            const TSexpr* pts = item.Child("pts");
            if (!pts) continue;
            const size_t element = FSets.Add();
            for (const TSexpr* xy : pts->Children("xy"))
                if (auto at = PointOf(xy)) FAt.push_back({*at, element});
        } else if (head == "junction") {
            if (auto at = PointOf(item.Child("at"))) Item(*at);
        } else if (head == "label") {
            if (auto at = PointOf(item.Child("at")))
                JoinName(Item(*at), "L" + path, item.AtomAt(1));
        } else if (head == "global_label") {
            if (auto at = PointOf(item.Child("at"))) JoinName(Item(*at), "G", item.AtomAt(1));
        } else if (head == "symbol") {
            const TSexpr* libId = item.Child("lib_id");
            auto at = PointOf(item.Child("at"));
            if (!libId || !at) continue;
            auto found = symbols.find(libId->AtomAt(1));
            if (found == symbols.end()) continue;
            const TSexpr* unitItem = item.Child("unit");
            const int unit = unitItem ? std::atoi(unitItem->AtomAt(1).c_str()) : 1;
            const TSexpr* convertItem = item.Child("convert");
            const int style = convertItem ? std::atoi(convertItem->AtomAt(1).c_str()) : 1;
            const TSexpr* mirrorItem = item.Child("mirror");
            const std::string mirror = mirrorItem ? mirrorItem->AtomAt(1) : "";
            const int angle = AngleOf(item.Child("at"));
            std::string reference;
            const TSexpr* uuid = item.Child("uuid");
            if (auto known = FReferences.find(path + "/" + (uuid ? uuid->AtomAt(1) : ""));
                known != FReferences.end())
                reference = known->second;
            else
                for (const TSexpr* property : item.Children("property"))
                    if (property->AtomAt(1) == "Reference") reference = property->AtomAt(2);
            for (const TLibPin& pin : found->second.Pins) {
                if ((pin.Unit != 0 && pin.Unit != unit) || (pin.Style != 0 && pin.Style != style))
                    continue;
                const size_t element = Item(PlacePin(pin.At, angle, mirror, *at));
                if (found->second.Power) {
                    JoinName(element, "G", pin.Name);
                    continue;
                }
                THostPin placed;
                placed.Node = {reference, pin.Number};
                placed.Place = {sheetName, FAt.back().first};
                JoinName(element, "N", placed.Node.Key());
                FPinElements.push_back(element);
                FResult.Pins.push_back(std::move(placed));
            }
        }
    }
    std::unordered_map<TSheetPoint, size_t, TSheetPointHash> first;
    for (const auto& [at, element] : FAt) {
        auto [found, added] = first.try_emplace(at, element);
        if (!added) FSets.Join(element, found->second);
    }
    return true;
}

bool TReadback::ReadProject(const fs::path& root, std::string& problem) {
    std::optional<TSexpr> rootFile = ReadFile(root, problem);
    if (!rootFile) return false;
    if (const TSexpr* instances = rootFile->Child("symbol_instances"))
        for (const TSexpr* path : instances->Children("path"))
            if (const TSexpr* reference = path->Child("reference"))
                FReferences[path->AtomAt(1)] = reference->AtomAt(1);
    ReadSheet(*rootFile, root.stem().string(), "");
    for (const TSexpr* sheet : rootFile->Children("sheet")) {
        std::string name, file;
        for (const TSexpr* property : sheet->Children("property")) {
            if (property->AtomAt(1) == "Sheet name") name = property->AtomAt(2);
            if (property->AtomAt(1) == "Sheet file") file = property->AtomAt(2);
        }
        const TSexpr* uuid = sheet->Child("uuid");
        std::optional<TSexpr> sheetFile = ReadFile(root.parent_path() / file, problem);
        if (!sheetFile) return false;
        ReadSheet(*sheetFile, name, "/" + (uuid ? uuid->AtomAt(1) : name));
    }
    return true;
}

THostNetlist TReadback::Finish() {
    std::unordered_map<size_t, size_t> netOfRoot;
    for (size_t i = 0; i < FResult.Pins.size(); ++i) {
        const size_t root = FSets.Find(FPinElements[i]);
        FResult.Pins[i].Net = netOfRoot.try_emplace(root, netOfRoot.size()).first->second;
    }
    FResult.NetCount = netOfRoot.size();
    return std::move(FResult);
}

}  // namespace

std::optional<THostNetlist> ReadKicadNetlist(const fs::path& rootSheet, std::string& problem) {
    TReadback readback;
    if (!readback.ReadProject(rootSheet, problem)) return std::nullopt;
    return readback.Finish();
}

connectivity::TConnectivityResult CompareWithEditor(const qelsch::SchEditor& editor,
                                                    const THostNetlist& kicad) {
    const THostNetlist host = connectivity::ExtractHostNetlist(editor);
    connectivity::TFileNetlist asFile;
    asFile.Nets.resize(host.NetCount);
    for (size_t i = 0; i < asFile.Nets.size(); ++i)
        asFile.Nets[i].Name = "editor net " + std::to_string(i + 1);
    for (const THostPin& pin : host.Pins) asFile.Nets[pin.Net].Nodes.push_back(pin.Node);
    return connectivity::CompareConnectivity(asFile, kicad);
}

}  // namespace kicad
