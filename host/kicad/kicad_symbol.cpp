#include "kicad_symbol.h"

#include "font_metric.h"
#include "kicad_units.h"
#include "sexpr_text.h"

namespace kicad {

bool TKicadSymbol::HasDemorgan() const {
    for (const auto& unit : Units)
        if (!unit[1].empty()) return true;
    return false;
}

int64_t FontSize(int fontId) {
    // KiCad's size is a glyph height; the editor's metric gives the line height, of which a
    // glyph takes about six tenths.
    const qelsch::FontMetric metric = qelsch::MetricOfFont(fontId);
    return (HostToMicrometres(metric.charHeight) * 6 + 5) / 10;
}

std::string EffectsText(int64_t size, const char* justify, bool hide) {
    std::string text = "(effects (font (size " + MmText(size) + " " + MmText(size) + "))";
    if (justify && *justify) text += std::string(" (justify ") + justify + ")";
    if (hide) text += " hide";
    return text + ")";
}

const char* PinTypeWord(int electricalCode) {
    switch (electricalCode) {
        case 0:
            return "input";
        case 1:
            return "bidirectional";
        case 2:
            return "output";
        case 3:
            return "open_collector";
        case 4:
            return "passive";
        case 5:
            return "tri_state";
        case 6:
            return "open_emitter";
        case 7:
            return "power_in";
        default:
            return "unspecified";
    }
}

namespace {

void AppendIndented(std::string& out, const std::string& item, int indent) {
    size_t start = 0;
    while (start <= item.size()) {
        size_t end = item.find('\n', start);
        if (end == std::string::npos) end = item.size();
        out.append(static_cast<size_t>(indent), ' ');
        out.append(item, start, end - start);
        out += '\n';
        start = end + 1;
    }
}

std::string PropertyText(const std::string& name, const std::string& value, int id, bool hide,
                         const TKiPoint& at) {
    return "(property " + Quoted(name) + " " + Quoted(value) + " (id " + std::to_string(id) +
           ") (at " + PairText(at) + " 0)\n  " + EffectsText(1270, nullptr, hide) + "\n)";
}

}  // namespace

std::string SymbolText(const TKicadSymbol& symbol, const std::string& libraryName, int indent) {
    std::string out;
    std::string head =
        "(symbol " + Quoted(libraryName.empty() ? symbol.Name : libraryName + ":" + symbol.Name);
    if (symbol.Power) head += " (power)";
    if (symbol.HidePinNumbers) head += " (pin_numbers hide)";
    head +=
        symbol.HidePinNames ? " (pin_names (offset 0.508) hide)" : " (pin_names (offset 0.508))";
    head += " (in_bom yes) (on_board yes)";
    AppendIndented(out, head, indent);
    const int inner = indent + 2;
    AppendIndented(out, PropertyText("Reference", symbol.Reference, 0, symbol.Power, {0, 2540}),
                   inner);
    AppendIndented(out,
                   PropertyText("Value", symbol.Value, 1, false, {0, symbol.Power ? 3175 : -2540}),
                   inner);
    AppendIndented(out, PropertyText("Footprint", symbol.Footprint, 2, true, {0, 0}), inner);
    AppendIndented(out, PropertyText("Datasheet", "", 3, true, {0, 0}), inner);
    int id = 4;
    for (const auto& [name, value] : symbol.Fields)
        AppendIndented(out, PropertyText(name, value, id++, true, {0, 0}), inner);
    auto unitBlock = [&](const std::vector<std::string>& items, int unit, int style) {
        if (items.empty()) return;
        AppendIndented(out,
                       "(symbol " + Quoted(symbol.Name + "_" + std::to_string(unit) + "_" +
                                           std::to_string(style)),
                       inner);
        for (const std::string& item : items) AppendIndented(out, item, inner + 2);
        AppendIndented(out, ")", inner);
    };
    unitBlock(symbol.Common, 0, 1);
    for (size_t unit = 0; unit < symbol.Units.size(); ++unit)
        for (int style = 0; style < kBodyStyles; ++style)
            unitBlock(symbol.Units[unit][static_cast<size_t>(style)], static_cast<int>(unit) + 1,
                      style + 1);
    AppendIndented(out, ")", indent);
    return out;
}

TKicadSymbol PowerSymbol(const std::string& name, const std::string& net) {
    TKicadSymbol symbol;
    symbol.Name = name;
    symbol.Power = true;
    symbol.Reference = "#PWR";
    symbol.Value = net;
    symbol.HidePinNumbers = true;
    symbol.HidePinNames = true;
    const std::string stroke =
        "  (stroke (width 0) (type default) (color 0 0 0 0))\n  (fill (type none))\n)";
    symbol.Common.push_back("(polyline\n  (pts (xy 0 0) (xy 0 1.27))\n" + stroke);
    symbol.Common.push_back("(polyline\n  (pts (xy -1.27 1.27) (xy 1.27 1.27))\n" + stroke);
    symbol.Units.resize(1);
    symbol.Units[0][0].push_back("(pin power_in line (at 0 0 90) (length 0) hide\n  (name " +
                                 Quoted(net) + " " + EffectsText(1270, nullptr, false) +
                                 ")\n  (number \"1\" " + EffectsText(1270, nullptr, false) +
                                 ")\n)");
    symbol.UnitPins.push_back({"1"});
    return symbol;
}

}  // namespace kicad
