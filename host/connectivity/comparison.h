// Net by net, the file's netlist against the nets of the imported sheets: the sets of
// (designator, pin designator) nodes are compared.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file_netlist.h"
#include "host_netlist.h"

namespace connectivity {

enum class TDifferenceKind {
    Split,        // a file net whose pins the host spreads over several nets
    Merged,       // a host net that joins pins of several file nets
    Unconnected,  // a pin of a file net that the host lacks or connects to no other pin
    HostOnly,     // a pin the host connects to others that is in no net of the file
};

// "split", "merged", "unconnected", "hostOnly".
const char* KindName(TDifferenceKind kind);

// Pins that stand together, and where a user finds the first of them.
struct TPinGroup {
    std::vector<TPinNode> Pins;
    std::optional<TPlace> Place;  // none for a pin of a part the host does not have
};

struct TDifference {
    TDifferenceKind Kind = TDifferenceKind::Split;
    // The file nets concerned: the split or unconnected net; the nets a host net merges; the
    // nets a host-only pin was connected into (none when its net holds no pin of the file's).
    std::vector<std::string> Nets;
    // Split: one group per host net the file net falls into. Merged: one group per file net,
    // its pins on the host net. Unconnected, HostOnly: the one pin.
    std::vector<TPinGroup> Groups;
    // Unconnected: the editor has no such pin (the part or its pin is missing) rather than a
    // pin connected to no other.
    bool MissingInHost = false;
    // Unconnected, HostOnly: a pin that no symbol drew (added by the import).
    bool AddedByImport = false;
};

struct TConnectivityResult {
    size_t Nets = 0;           // file nets holding at least one compared pin
    size_t IdenticalNets = 0;  // of those, the nets the host has with exactly the same pins
    size_t SplitNets = 0;
    size_t MergingHostNets = 0;
    size_t UnconnectedPins = 0;
    size_t HostOnlyPins = 0;
    size_t NotComparedNodes = 0;           // see TFileNetlist::NotCompared
    std::vector<TDifference> Differences;  // file nets in order, then the host's nets

    bool Identical() const { return Differences.empty(); }
};

TConnectivityResult CompareConnectivity(const TFileNetlist& file, const THostNetlist& host);

}  // namespace connectivity
