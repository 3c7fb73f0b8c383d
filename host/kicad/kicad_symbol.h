// A KiCad symbol as the export builds it (from a library component of the editor, or generated
// for a power net) and its s-expression, for the .kicad_sym library and for the lib_symbols
// copy that every .kicad_sch carries.
//
// Lengths inside are micrometres in the symbol's own frame (Y up), see kicad_units.h.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kicad {

// Body styles: 1 the normal drawing, 2 the De Morgan drawing.
inline constexpr int kBodyStyles = 2;

struct TKicadSymbol {
    std::string Name;  // unique in the exported library, usable in a library id
    bool Power = false;
    std::string Reference;  // the reference prefix ("U", "#PWR")
    std::string Value;
    std::string Footprint;
    std::vector<std::pair<std::string, std::string>> Fields;  // further properties, hidden
    bool HidePinNames = false;
    bool HidePinNumbers = false;
    // Per unit (unit N is Units[N - 1]), per body style: the drawn items, each one s-expression
    // (lines joined by '\n', indented relative to the item).
    std::vector<std::array<std::vector<std::string>, kBodyStyles>> Units;
    // Items shared by every unit and style (power symbols' graphics).
    std::vector<std::string> Common;
    // Per unit: the numbers of the pins of its normal drawing, for the instances' pin entries.
    std::vector<std::vector<std::string>> UnitPins;

    bool HasDemorgan() const;
};

// The symbol as one s-expression. `libraryName` prefixes the symbol's name ("lib:name") in a
// schematic's lib_symbols; empty in a .kicad_sym. Every line is indented by `indent` blanks
// and ends in '\n'.
std::string SymbolText(const TKicadSymbol& symbol, const std::string& libraryName, int indent);

// A power symbol for the net `net` (UTF-8): a bar on a stem, the net's name as its value, one
// hidden power input pin named after the net at the origin, so that KiCad joins every instance
// into that net.
TKicadSymbol PowerSymbol(const std::string& name, const std::string& net);

// The electrical type word of a pin for the editor's electrical code.
const char* PinTypeWord(int electricalCode);

// The text size, micrometres, of the editor's font 1, 2 or 3 (any other id as font 1).
int64_t FontSize(int fontId);

// "(effects (font (size S S)) ...)" with an optional justification and hidden flag.
std::string EffectsText(int64_t size, const char* justify, bool hide);

}  // namespace kicad
