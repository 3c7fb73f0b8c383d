#include "comparison.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace connectivity {

const char* KindName(TDifferenceKind kind) {
    switch (kind) {
        case TDifferenceKind::Split:
            return "split";
        case TDifferenceKind::Merged:
            return "merged";
        case TDifferenceKind::Unconnected:
            return "unconnected";
        case TDifferenceKind::HostOnly:
            return "hostOnly";
    }
    return "split";
}

namespace {

// The host's nets as sets of distinct nodes, with the first pin of each node.
struct THostNodes {
    std::unordered_map<std::string, size_t> FirstPin;  // node key -> index into Pins
    std::vector<std::vector<std::string>> NetNodes;    // per net, distinct node keys in order
};

THostNodes IndexHost(const THostNetlist& host) {
    THostNodes nodes;
    nodes.NetNodes.resize(host.NetCount);
    for (size_t i = 0; i < host.Pins.size(); ++i) {
        std::string key = host.Pins[i].Node.Key();
        if (nodes.FirstPin.try_emplace(key, i).second)
            nodes.NetNodes[host.Pins[i].Net].push_back(std::move(key));
    }
    return nodes;
}

class TComparer {
  public:
    TComparer(const TFileNetlist& file, const THostNetlist& host)
        : FFile(file), FHost(host), FHostNodes(IndexHost(host)) {}

    TConnectivityResult Run() {
        FResult.NotComparedNodes = FFile.NotCompared.size();
        for (size_t net = 0; net < FFile.Nets.size(); ++net) CompareFileNet(net);
        for (size_t net = 0; net < FHost.NetCount; ++net) CompareHostNet(net);
        return std::move(FResult);
    }

  private:
    const THostPin& PinOf(const std::string& key) const {
        return FHost.Pins[FHostNodes.FirstPin.at(key)];
    }
    TPinGroup GroupOf(const TPinNode& node) const {
        TPinGroup group{{node}, std::nullopt};
        if (auto found = FHostNodes.FirstPin.find(node.Key()); found != FHostNodes.FirstPin.end())
            group.Place = FHost.Pins[found->second].Place;
        else if (auto part = FHost.Parts.find(UpperAscii(node.Designator));
                 part != FHost.Parts.end())
            group.Place = part->second;
        return group;
    }

    void CompareFileNet(size_t index);
    void CompareHostNet(size_t net);
    void Unconnected(const TFileNet& net, const TPinNode& node, bool missing);

    const TFileNetlist& FFile;
    const THostNetlist& FHost;
    THostNodes FHostNodes;
    std::unordered_map<std::string, size_t> FFileNetOf;  // node key -> first file net holding it
    TConnectivityResult FResult;
};

void TComparer::Unconnected(const TFileNet& net, const TPinNode& node, bool missing) {
    TDifference& difference = FResult.Differences.emplace_back();
    difference.Kind = TDifferenceKind::Unconnected;
    difference.Nets = {net.Name};
    difference.Groups = {GroupOf(node)};
    difference.MissingInHost = missing;
    difference.AddedByImport = !missing && PinOf(node.Key()).AddedByImport;
    ++FResult.UnconnectedPins;
}

void TComparer::CompareFileNet(size_t index) {
    const TFileNet& net = FFile.Nets[index];
    // The net's distinct nodes; a node listed in an earlier net stays with that one.
    std::vector<const TPinNode*> nodes;
    std::unordered_set<std::string> seen;
    for (const TPinNode& node : net.Nodes) {
        std::string key = node.Key();
        if (FFileNetOf.try_emplace(key, index).first->second == index &&
            seen.insert(std::move(key)).second)
            nodes.push_back(&node);
    }
    if (nodes.empty()) return;
    ++FResult.Nets;

    std::vector<const TPinNode*> missing;
    std::vector<std::pair<size_t, std::vector<const TPinNode*>>> hostNets;  // first-seen order
    std::unordered_map<size_t, size_t> hostNetPosition;
    for (const TPinNode* node : nodes) {
        auto found = FHostNodes.FirstPin.find(node->Key());
        if (found == FHostNodes.FirstPin.end()) {
            missing.push_back(node);
            continue;
        }
        const size_t hostNet = FHost.Pins[found->second].Net;
        auto [position, added] = hostNetPosition.try_emplace(hostNet, hostNets.size());
        if (added) hostNets.push_back({hostNet, {}});
        hostNets[position->second].second.push_back(node);
    }
    if (missing.empty() && hostNets.size() == 1 &&
        FHostNodes.NetNodes[hostNets.front().first].size() == nodes.size()) {
        ++FResult.IdenticalNets;
        return;
    }

    for (const TPinNode* node : missing) Unconnected(net, *node, true);
    if (nodes.size() < 2) return;  // a lone pin joined to others: the host net's differences
    std::vector<const std::vector<const TPinNode*>*> connected;
    for (const auto& [hostNet, members] : hostNets) {
        if (FHostNodes.NetNodes[hostNet].size() == 1)
            Unconnected(net, *members.front(), false);
        else
            connected.push_back(&members);
    }
    if (connected.size() < 2) return;
    TDifference& split = FResult.Differences.emplace_back();
    split.Kind = TDifferenceKind::Split;
    split.Nets = {net.Name};
    for (const auto* members : connected) {
        TPinGroup group{{}, PinOf(members->front()->Key()).Place};
        for (const TPinNode* node : *members) group.Pins.push_back(*node);
        split.Groups.push_back(std::move(group));
    }
    ++FResult.SplitNets;
}

void TComparer::CompareHostNet(size_t net) {
    const std::vector<std::string>& keys = FHostNodes.NetNodes[net];
    if (keys.size() < 2) return;
    std::vector<std::pair<size_t, TPinGroup>> fileNets;  // file net index, its pins here
    std::unordered_map<size_t, size_t> fileNetPosition;
    std::vector<std::string> hostOnly;
    for (const std::string& key : keys) {
        auto found = FFileNetOf.find(key);
        if (found == FFileNetOf.end()) {
            hostOnly.push_back(key);
            continue;
        }
        auto [position, added] = fileNetPosition.try_emplace(found->second, fileNets.size());
        if (added) fileNets.push_back({found->second, TPinGroup{{}, PinOf(key).Place}});
        fileNets[position->second].second.Pins.push_back(PinOf(key).Node);
    }
    std::vector<std::string> names;
    for (const auto& [index, group] : fileNets) names.push_back(FFile.Nets[index].Name);
    if (fileNets.size() >= 2) {
        TDifference& merged = FResult.Differences.emplace_back();
        merged.Kind = TDifferenceKind::Merged;
        merged.Nets = names;
        for (auto& [index, group] : fileNets) merged.Groups.push_back(std::move(group));
        ++FResult.MergingHostNets;
    }
    for (const std::string& key : hostOnly) {
        const THostPin& pin = PinOf(key);
        TDifference& extra = FResult.Differences.emplace_back();
        extra.Kind = TDifferenceKind::HostOnly;
        extra.Nets = names;
        extra.Groups = {TPinGroup{{pin.Node}, pin.Place}};
        extra.AddedByImport = pin.AddedByImport;
        ++FResult.HostOnlyPins;
    }
}

}  // namespace

TConnectivityResult CompareConnectivity(const TFileNetlist& file, const THostNetlist& host) {
    return TComparer(file, host).Run();
}

}  // namespace connectivity
