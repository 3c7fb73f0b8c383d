// A node of a netlist: one pin of one placed component, named by the component's reference
// designator and the pin's designator (U1 and 3).
#pragma once

#include <string>

namespace connectivity {

struct TPinNode {
    std::string Designator;  // bytes as the file or the editor holds them
    std::string Pin;

    // The key under which two nodes are the same node: both names compared without regard to
    // ASCII letter case, as the file's own lookups compare names.
    std::string Key() const;
    // "U1-3".
    std::string Describe() const;
};

// `text` with ASCII letters upper-cased.
std::string UpperAscii(std::string text);

}  // namespace connectivity
