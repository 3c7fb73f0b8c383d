#include "kicad_readback.h"

#include <fstream>
#include <map>
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

std::optional<TSexprTree> ReadFile(const fs::path& file, std::string& problem) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        problem = file.string() + ": cannot be read";
        return std::nullopt;
    }
    std::string text;
    std::error_code error;
    if (const auto size = fs::file_size(file, error); !error) text.reserve(size);
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        text.append(block, static_cast<size_t>(in.gcount()));
    std::string why;
    std::optional<TSexprTree> parsed = TSexprTree::Parse(std::move(text), why);
    if (!parsed) problem = file.string() + ": " + why;
    return parsed;
}

std::optional<TSheetPoint> PointOf(TSexprNode at, size_t first = 1) {
    if (!at) return std::nullopt;
    auto x = ParseMicrometres(at.AtomAt(first));
    auto y = ParseMicrometres(at.AtomAt(first + 1));
    if (!x || !y) return std::nullopt;
    return TSheetPoint{*x, *y};
}

int AngleOf(TSexprNode at) {
    auto degrees = at ? ParseMicrometres(at.AtomAt(3)) : std::nullopt;
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

std::map<std::string, TLibSymbol, std::less<>> LibSymbols(TSexprNode file) {
    std::map<std::string, TLibSymbol, std::less<>> symbols;
    const TSexprNode lib = file.Child("lib_symbols");
    if (!lib) return symbols;
    for (const TSexprNode symbol : lib.Children("symbol")) {
        TLibSymbol& entry = symbols[std::string(symbol.AtomAt(1))];
        entry.Power = static_cast<bool>(symbol.Child("power"));
        for (const TSexprNode unit : symbol.Children("symbol")) {
            // "NAME_unit_style"
            const std::string name(unit.AtomAt(1));
            const size_t last = name.rfind('_');
            const size_t before = last == std::string::npos || last == 0
                                      ? std::string::npos
                                      : name.rfind('_', last - 1);
            int unitNumber = 0, style = 0;
            if (before != std::string::npos) {
                unitNumber = std::atoi(name.substr(before + 1, last - before - 1).c_str());
                style = std::atoi(name.substr(last + 1).c_str());
            }
            for (const TSexprNode pin : unit.Children("pin")) {
                auto at = PointOf(pin.Child("at"));
                if (!at) continue;
                const TSexprNode number = pin.Child("number");
                const TSexprNode pinName = pin.Child("name");
                entry.Pins.push_back({*at, std::string(number ? number.AtomAt(1) : ""),
                                      std::string(pinName ? pinName.AtomAt(1) : ""), unitNumber,
                                      style});
            }
        }
    }
    return symbols;
}

// A symbol's pin on the sheet: turned counter-clockwise by the angle (Y up), mirrored after the
// turn, then moved to the symbol's position on a page whose Y runs down.
TSheetPoint PlacePin(TSheetPoint pin, int angle, std::string_view mirror, TSheetPoint at) {
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
    bool ReadSheet(TSexprNode file, const std::string& sheetName, const std::string& path);
    size_t Item(TSheetPoint at) {
        const size_t element = FSets.Add();
        FAt.push_back({at, element});
        return element;
    }
    void JoinName(size_t element, const std::string& scope, std::string_view name) {
        std::string key = scope;
        key += '\0';
        key += name;
        auto [found, added] = FNames.try_emplace(std::move(key), 0);
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

bool TReadback::ReadSheet(TSexprNode file, const std::string& sheetName, const std::string& path) {
    FAt.clear();
    const auto symbols = LibSymbols(file);
    for (TSexprNode item = file.FirstItem(); item; item = item.NextItem()) {
        if (!item.IsList()) continue;
        const std::string_view head = item.Head();
        if (head == "wire") {
            const TSexprNode pts = item.Child("pts");
            if (!pts) continue;
            const size_t element = FSets.Add();
            for (const TSexprNode xy : pts.Children("xy"))
                if (auto at = PointOf(xy)) FAt.push_back({*at, element});
        } else if (head == "junction") {
            if (auto at = PointOf(item.Child("at"))) Item(*at);
        } else if (head == "label") {
            if (auto at = PointOf(item.Child("at")))
                JoinName(Item(*at), "L" + path, item.AtomAt(1));
        } else if (head == "global_label") {
            if (auto at = PointOf(item.Child("at"))) JoinName(Item(*at), "G", item.AtomAt(1));
        } else if (head == "symbol") {
            const TSexprNode libId = item.Child("lib_id");
            auto at = PointOf(item.Child("at"));
            if (!libId || !at) continue;
            auto found = symbols.find(libId.AtomAt(1));
            if (found == symbols.end()) continue;
            const TSexprNode unitItem = item.Child("unit");
            const int unit = unitItem ? std::atoi(std::string(unitItem.AtomAt(1)).c_str()) : 1;
            const TSexprNode convertItem = item.Child("convert");
            const int style =
                convertItem ? std::atoi(std::string(convertItem.AtomAt(1)).c_str()) : 1;
            const TSexprNode mirrorItem = item.Child("mirror");
            const std::string_view mirror = mirrorItem ? mirrorItem.AtomAt(1) : "";
            const int angle = AngleOf(item.Child("at"));
            std::string reference;
            const TSexprNode uuid = item.Child("uuid");
            std::string instance = path + "/";
            if (uuid) instance += uuid.AtomAt(1);
            if (auto known = FReferences.find(instance); known != FReferences.end())
                reference = known->second;
            else
                for (const TSexprNode property : item.Children("property"))
                    if (property.AtomAt(1) == "Reference") reference = property.AtomAt(2);
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
    std::optional<TSexprTree> rootFile = ReadFile(root, problem);
    if (!rootFile) return false;
    const TSexprNode rootList = rootFile->Root();
    if (const TSexprNode instances = rootList.Child("symbol_instances"))
        for (const TSexprNode path : instances.Children("path"))
            if (const TSexprNode reference = path.Child("reference"))
                FReferences[std::string(path.AtomAt(1))] = reference.AtomAt(1);
    ReadSheet(rootList, root.stem().string(), "");
    for (const TSexprNode sheet : rootList.Children("sheet")) {
        std::string name, file;
        for (const TSexprNode property : sheet.Children("property")) {
            if (property.AtomAt(1) == "Sheet name") name = property.AtomAt(2);
            if (property.AtomAt(1) == "Sheet file") file = property.AtomAt(2);
        }
        const TSexprNode uuid = sheet.Child("uuid");
        std::optional<TSexprTree> sheetFile = ReadFile(root.parent_path() / file, problem);
        if (!sheetFile) return false;
        ReadSheet(sheetFile->Root(), name, "/" + (uuid ? std::string(uuid.AtomAt(1)) : name));
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
    return CompareWithEditor(connectivity::ExtractHostNetlist(editor), kicad);
}

connectivity::TConnectivityResult CompareWithEditor(const THostNetlist& host,
                                                    const THostNetlist& kicad) {
    connectivity::TFileNetlist asFile;
    asFile.Nets.resize(host.NetCount);
    for (size_t i = 0; i < asFile.Nets.size(); ++i)
        asFile.Nets[i].Name = "editor net " + std::to_string(i + 1);
    for (const THostPin& pin : host.Pins) asFile.Nets[pin.Net].Nodes.push_back(pin.Node);
    return connectivity::CompareConnectivity(asFile, kicad);
}

}  // namespace kicad
