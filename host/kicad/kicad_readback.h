// The nets of an exported KiCad project, read back from its .kicad_sch files by KiCad's rules,
// to prove that the export kept every connection of the editor:
// - items join where their connection points coincide exactly: the two ends of a wire, a
//   junction, a label, a global label, a pin's position (its connection point);
// - a wire joins at its ends only (the export cuts wires wherever the editor joins something
//   inside a segment);
// - labels join labels of the same name on their sheet; global labels and power symbols (whose
//   hidden power input pin names the net) join across the project; names compare exactly;
// - buses and bus entries carry no net of their own.
// Pins of one reference and number are one node, as in the editor's netlist.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "comparison.h"
#include "editor.h"
#include "host_netlist.h"

namespace kicad {

// The pins and nets of the project whose root sheet is `rootSheet`; places are in micrometres of
// the KiCad page. nullopt, with the reason in `problem`, when a file cannot be read or parsed.
std::optional<connectivity::THostNetlist> ReadKicadNetlist(const std::filesystem::path& rootSheet,
                                                           std::string& problem);

// The editor's nets (as the connectivity check extracts them) against the KiCad project's:
// each net of the editor stands where the check puts a net of the design file.
connectivity::TConnectivityResult CompareWithEditor(const qelsch::SchEditor& editor,
                                                    const connectivity::THostNetlist& kicad);
// The same with the editor's nets already extracted (connectivity::ExtractHostNetlist).
connectivity::TConnectivityResult CompareWithEditor(const connectivity::THostNetlist& editorNets,
                                                    const connectivity::THostNetlist& kicad);

}  // namespace kicad
