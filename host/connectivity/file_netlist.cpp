#include "file_netlist.h"

#include <exception>
#include <unordered_map>

#include "model/ascii_file.h"
#include "model/comp_inst.h"
#include "model/component_def.h"
#include "model/component_header.h"
#include "model/net.h"
#include "model/netlist.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"

namespace connectivity {

namespace {

// Whether the import places a part for the component of that instance: every instance but those
// of power, link and sheet connector components. An instance the library cannot resolve places
// nothing either, but that is a loss the comparison must show, so it counts as placed.
class TPlacedComponents {
  public:
    explicit TPlacedComponents(const TNimboNetlist& netlist) : FNetlist(netlist) {}

    bool PlacesPart(const std::string& designator) {
        auto [found, added] = FAnswers.try_emplace(UpperAscii(designator), true);
        if (added) {
            const TNimboCompDef* definition = FNetlist.FindInstanceCompDef(designator);
            if (definition && definition->FHeader) {
                const uint8_t type = definition->FHeader->FCompType;
                found->second =
                    type != kCompPower && type != kCompLink && type != kCompSheetConnector;
            }
        }
        return found->second;
    }

  private:
    const TNimboNetlist& FNetlist;
    std::unordered_map<std::string, bool> FAnswers;
};

TFileNetlist Nets(const TNimboNetlist& netlist) {
    TFileNetlist result;
    TPlacedComponents placed(netlist);
    for (const auto& net : netlist.FNets) {
        TFileNet& kept = result.Nets.emplace_back();
        kept.Name = net->FName;
        for (const auto& node : net->FNodes) {
            TPinNode pin{node->FValue1, node->FValue2};
            if (placed.PlacesPart(pin.Designator))
                kept.Nodes.push_back(std::move(pin));
            else
                result.NotCompared.push_back(std::move(pin));
        }
    }
    return result;
}

}  // namespace

std::optional<TFileNetlist> ReadFileNetlist(const std::filesystem::path& file,
                                            std::string& problem) {
    try {
        TNimboParser parser(file.string());
        RegisterKeywords(parser);
        TNimboAsciiFile ascii(&parser, file.string());
        ascii.Parse();
        const auto* netlist = dynamic_cast<const TNimboNetlist*>(ascii.FNetlist);
        if (!netlist) {
            problem = "the file holds no netlist";
            return std::nullopt;
        }
        return Nets(*netlist);
    } catch (const std::exception& error) {
        problem = std::string("its netlist cannot be read: ") + error.what();
        return std::nullopt;
    }
}

}  // namespace connectivity
