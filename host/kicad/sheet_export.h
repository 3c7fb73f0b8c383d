// One schematic sheet of the editor as the body of a .kicad_sch: every object mapped to its KiCad
// counterpart, wires cut where the editor joins something inside a segment (KiCad joins only at
// end points), ports as global labels at the ends where something connects.
#pragma once

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "code_page.h"
#include "editor.h"
#include "export_report.h"
#include "kicad_symbol.h"
#include "kicad_units.h"

namespace kicad {

// A placed symbol, for the root's symbol_instances.
struct TSymbolInstance {
    std::string Uuid;
    std::string Reference;
    int Unit = 1;
    std::string Value;
    std::string Footprint;
};

// What every sheet of one export shares: the editor, the symbols, the net names as KiCad must
// spell them, and the counter of power symbol references.
class TExportContext {
  public:
    TExportContext(const qelsch::SchEditor& editor, qelsch::CodePage codePage,
                   TExportReport& report, std::string libraryName);

    const qelsch::SchEditor& Editor() const { return FEditor; }
    qelsch::CodePage CodePage() const { return FCodePage; }
    TExportReport& Report() { return FReport; }
    const std::string& LibraryName() const { return FLibraryName; }
    std::string Utf8(const std::string& bytes) const { return qelsch::ToUtf8(bytes, FCodePage); }

    // Symbols of the library components, in the order of the library documents.
    void AddComponentSymbol(SchHandle component, TKicadSymbol symbol);
    // The symbol of the component a part names (found as the editor finds it); null when none.
    const TKicadSymbol* SymbolOfPart(const qelsch::Part& part) const;
    // The power symbol of a net (UTF-8), made on first use.
    const TKicadSymbol& PowerSymbolOf(const std::string& net);
    // Every symbol: components first, then power symbols by name.
    std::vector<const TKicadSymbol*> AllSymbols() const;
    const TKicadSymbol* FindSymbol(const std::string& name) const;

    // The editor joins ports and power objects by name without regard to ASCII letter case;
    // KiCad compares names exactly. Every name of one case-blind class is written in the first
    // spelling met.
    std::string GlobalSpelling(const std::string& utf8);
    // The next power symbol reference: "#PWR0001", "#PWR0002", ...
    std::string NextPowerReference();

  private:
    std::string UniqueSymbolName(const std::string& wanted);

    const qelsch::SchEditor& FEditor;
    qelsch::CodePage FCodePage;
    TExportReport& FReport;
    std::string FLibraryName;
    std::vector<TKicadSymbol> FSymbols;
    std::map<SchHandle, size_t> FSymbolOfComponent;
    std::map<std::string, TKicadSymbol> FPowerSymbols;  // by net
    // Every symbol by its name (names are unique): an index into FSymbols or a power symbol.
    std::unordered_map<std::string, size_t> FComponentByName;
    std::unordered_map<std::string, const TKicadSymbol*> FPowerByName;
    std::set<std::string> FTakenNames;
    std::map<std::string, std::string> FSpellings;  // upper-case -> first spelling
    int FPowerCount = 0;
};

struct TSheetBody {
    std::vector<std::string> Items;     // s-expressions, indented as items of the file
    std::set<std::string> UsedSymbols;  // symbol names, for lib_symbols
    std::vector<TSymbolInstance> Instances;
};

// The items of one sheet document. `uuidKey` makes the sheet's UUIDs unique in the project.
TSheetBody ExportSheetBody(TExportContext& context, const qelsch::Document& sheet,
                           const TSheetFrame& frame, const std::string& uuidKey);

// The page of a sheet document in micrometres (width, height), clamped to what KiCad accepts;
// a clamp is reported.
TKiPoint PageSize(const qelsch::DocumentOptions& options);

}  // namespace kicad
