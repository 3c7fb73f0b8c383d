// The nets of the imported sheets, extracted from the editor's store the way a schematic editor
// builds its netlist (the rules are in docs/connectivity.md):
// - the vertices of wires join whatever else stands at the same point;
// - a wire end, a junction, a pin's electrical end, a port end, a power object or a net label
//   standing anywhere on a wire (a vertex or inside a segment) joins that wire; wires that only
//   cross do not join;
// - on one sheet, net labels, ports and power objects of the same name (ASCII letter case
//   ignored) join; across sheets, ports join ports and power objects join power objects of the
//   same name; net labels stay on their sheet;
// - buses, bus entries, sheet symbols and pins standing directly on a sheet join nothing.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "editor.h"
#include "pin_node.h"
#include "sheet_point.h"

namespace connectivity {

// Where a user looks: a sheet (its document name, editor bytes) and a point on it.
struct TPlace {
    std::string Sheet;
    TSheetPoint At;  // host units
};

// A pin of a placed part.
struct THostPin {
    TPinNode Node;               // the part's designator text, the pin's designator
    TPlace Place;                // the pin's electrical end
    bool AddedByImport = false;  // a pin that no symbol of the component drew
    size_t Net = 0;              // the pin's net, 0 .. NetCount - 1
};

struct THostNetlist {
    std::vector<THostPin> Pins;  // sheet by sheet, in the order the parts were added
    size_t NetCount = 0;         // nets that hold at least one pin
    // The first placed part of each designator (key: UpperAscii), to point at a part whose pin
    // the editor does not have.
    std::unordered_map<std::string, TPlace> Parts;
};

// The nets of every schematic sheet open in the editor (library documents are left out).
THostNetlist ExtractHostNetlist(const qelsch::SchEditor& editor);

}  // namespace connectivity
