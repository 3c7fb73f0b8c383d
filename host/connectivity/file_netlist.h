// The netlist a design file carries, read with the import module's own reader: its nets, each
// with its nodes (a component instance and a pin designator).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pin_node.h"

namespace connectivity {

struct TFileNet {
    std::string Name;
    std::vector<TPinNode> Nodes;  // file order
};

struct TFileNetlist {
    // Nets in file order, holding only the nodes that the import turns into pins of parts.
    std::vector<TFileNet> Nets;
    // Nodes of power, link and sheet connector components: the import places no part for them
    // (power objects, ports or markers stand in their place), so no host pin can answer them.
    std::vector<TPinNode> NotCompared;
};

// The netlist of a design file; nullopt, with the reason in `problem`, when the file cannot be
// read or holds no netlist section (the last one read counts, as for the import).
std::optional<TFileNetlist> ReadFileNetlist(const std::filesystem::path& file,
                                            std::string& problem);

}  // namespace connectivity
