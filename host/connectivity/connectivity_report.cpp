#include "connectivity_report.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <system_error>

namespace connectivity {

namespace {

using TJson = nlohmann::ordered_json;

std::string Plural(size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string NetNames(const std::vector<std::string>& nets, qelsch::CodePage codePage) {
    std::string text;
    for (const std::string& net : nets) {
        if (!text.empty()) text += ", ";
        text += "\"" + qelsch::ToUtf8(net, codePage) + "\"";
    }
    return text;
}

std::string PinNames(const std::vector<TPinNode>& pins, qelsch::CodePage codePage) {
    std::string text;
    for (const TPinNode& pin : pins) {
        if (!text.empty()) text += " ";
        text += qelsch::ToUtf8(pin.Describe(), codePage);
    }
    return text;
}

std::string GroupsText(const TDifference& difference, qelsch::CodePage codePage) {
    std::string text;
    for (const TPinGroup& group : difference.Groups) {
        if (!text.empty()) text += " | ";
        text += PinNames(group.Pins, codePage);
    }
    return text;
}

std::string DifferenceText(const TDifference& difference, qelsch::CodePage codePage) {
    const std::string nets = NetNames(difference.Nets, codePage);
    const std::string pin = difference.Groups.empty()
                                ? std::string()
                                : PinNames(difference.Groups.front().Pins, codePage);
    const std::string added = difference.AddedByImport ? " (a pin no symbol draws)" : "";
    switch (difference.Kind) {
        case TDifferenceKind::Split:
            return "net " + nets + " is split in " + std::to_string(difference.Groups.size()) +
                   ": " + GroupsText(difference, codePage);
        case TDifferenceKind::Merged:
            return "nets " + nets + " are joined: " + GroupsText(difference, codePage);
        case TDifferenceKind::Unconnected:
            return "pin " + pin + added + " of net " + nets +
                   (difference.MissingInHost ? " is missing in the host"
                                             : " is connected to no other pin");
        case TDifferenceKind::HostOnly:
            return "pin " + pin + added + " is in no net of the file but connected" +
                   (nets.empty() ? std::string(" to other pins") : " into net " + nets);
    }
    return std::string();
}

TJson PlaceJson(const std::optional<TPlace>& place, qelsch::CodePage codePage) {
    if (!place) return nullptr;
    return TJson{{"sheet", qelsch::ToUtf8(place->Sheet, codePage)},
                 {"at", {place->At.X, place->At.Y}}};
}

TJson DifferenceJson(const TDifference& difference, qelsch::CodePage codePage) {
    TJson json;
    json["kind"] = KindName(difference.Kind);
    json["nets"] = TJson::array();
    for (const std::string& net : difference.Nets)
        json["nets"].push_back(qelsch::ToUtf8(net, codePage));
    json["groups"] = TJson::array();
    for (const TPinGroup& group : difference.Groups) {
        TJson pins = TJson::array();
        for (const TPinNode& pin : group.Pins)
            pins.push_back(
                {qelsch::ToUtf8(pin.Designator, codePage), qelsch::ToUtf8(pin.Pin, codePage)});
        json["groups"].push_back({{"pins", pins}, {"place", PlaceJson(group.Place, codePage)}});
    }
    if (difference.Kind == TDifferenceKind::Unconnected)
        json["missingInHost"] = difference.MissingInHost;
    if (difference.Kind == TDifferenceKind::Unconnected ||
        difference.Kind == TDifferenceKind::HostOnly)
        json["addedByImport"] = difference.AddedByImport;
    json["text"] = DifferenceText(difference, codePage);
    return json;
}

}  // namespace

std::string SummaryLine(const TConnectivityResult& result) {
    std::string line = "connectivity: " + std::to_string(result.IdenticalNets) + " of " +
                       Plural(result.Nets, "net", "nets") + " identical";
    if (result.Identical()) return line;
    return line + "; " + std::to_string(result.SplitNets) + " split, " +
           std::to_string(result.MergingHostNets) + " merged, " +
           Plural(result.UnconnectedPins, "pin", "pins") + " unconnected, " +
           Plural(result.HostOnlyPins, "pin", "pins") + " connected only in the host";
}

std::vector<TListedDifference> ListDifferences(const TConnectivityResult& result,
                                               qelsch::CodePage codePage) {
    std::vector<TListedDifference> listed;
    for (const TDifference& difference : result.Differences) {
        TListedDifference& line = listed.emplace_back();
        line.Kind = KindName(difference.Kind);
        line.Text = DifferenceText(difference, codePage);
        for (const TPinGroup& group : difference.Groups) {
            if (!group.Place) continue;
            line.Sheet = qelsch::ToUtf8(group.Place->Sheet, codePage);
            line.At = group.Place->At;
            break;
        }
    }
    return listed;
}

std::string DescribePlace(const TListedDifference& difference) {
    if (!difference.Sheet) return std::string();
    return *difference.Sheet + " (" + std::to_string(difference.At.X) + ", " +
           std::to_string(difference.At.Y) + ")";
}

bool WriteConnectivityJson(const std::filesystem::path& file, const std::string& designFile,
                           const TConnectivityResult& result, qelsch::CodePage codePage,
                           std::string& problem) {
    TJson json;
    json["file"] = qelsch::ToUtf8(designFile, codePage);
    json["summary"] = SummaryLine(result);
    json["nets"] = {{"compared", result.Nets},
                    {"identical", result.IdenticalNets},
                    {"split", result.SplitNets}};
    json["hostNetsMerging"] = result.MergingHostNets;
    json["pins"] = {{"unconnected", result.UnconnectedPins},
                    {"hostOnly", result.HostOnlyPins},
                    {"notCompared", result.NotComparedNodes}};
    json["differences"] = TJson::array();
    for (const TDifference& difference : result.Differences)
        json["differences"].push_back(DifferenceJson(difference, codePage));

    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << json.dump(2) << "\n";
        if (!out.flush()) {
            problem = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        problem = "cannot write " + file.string() + " (" + error.message() + ")";
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace connectivity
