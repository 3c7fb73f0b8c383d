// The messages of a translation report (.rpt) and where on the sheets they point.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor.h"

namespace view {

enum class TReportSection { LoadErrors, ImportErrors, LoadWarnings, ImportWarnings };

// "Load Errors", "Import Errors", "Load Warnings", "Import Warnings".
const char* SectionName(TReportSection section);

// The location line that the report adds to a warning about a bus entry, net label or port.
struct TReportLocation {
    uint8_t Kind = 0;         // kSchKindBusEntry, kSchKindNetLabel or kSchKindPort
    std::string Name;         // the net label's text or the port's name (bytes as in the report)
    qelsch::SchPoint At;      // host units: the object's location
    qelsch::SchPoint Corner;  // a bus entry's second end
};

struct TReportMessage {
    TReportSection Section = TReportSection::LoadErrors;
    int Number = 0;    // the warning's number in its section; 0 for a line without one
    std::string Text;  // bytes as in the report
    std::optional<TReportLocation> Location;
};

// Every message of the report's four count sections, in the report's order. Lines end in CR LF
// (LF alone is taken too); lines that do not look like a report's are passed over.
std::vector<TReportMessage> ParseReport(std::string_view report);

// Where a located message is shown: the sheet document and the object the location names.
struct TMessagePlace {
    SchHandle Document = 0;
    SchHandle Object = 0;
};

// The object each located message is about: the first object, in document and insertion order,
// of the location's kind with the same coordinates (and name) that no earlier message claimed,
// as the importer reports objects in the order it creates them. One entry per message, nullopt
// for a message without location or without such an object.
std::vector<std::optional<TMessagePlace>> PlaceMessages(
    const qelsch::SchEditor& editor, const std::vector<TReportMessage>& messages);

}  // namespace view
