// What a user reads of a connectivity check: the summary line, one line per difference, and
// connectivity.json with every difference.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"
#include "comparison.h"

namespace connectivity {

// "connectivity: 412 of 415 nets identical", followed by the counts of each kind of difference
// when there is one.
std::string SummaryLine(const TConnectivityResult& result);

// One difference for a listing (the terminal, index.html), texts in UTF-8.
struct TListedDifference {
    std::string Kind;  // KindName
    // A sentence naming the nets and pins, e.g. net "SENSE" is split in 2: J1-2 | R1-1.
    std::string Text;
    // Where to look first; none for a pin of a part the host does not have.
    std::optional<std::string> Sheet;
    TSheetPoint At;  // host units, when Sheet is set
};

// Every difference in the order of the result. `codePage` reads the file's and the editor's
// bytes (net, sheet and designator names), as the workspace's JSON files do.
std::vector<TListedDifference> ListDifferences(const TConnectivityResult& result,
                                               qelsch::CodePage codePage);

// "Sheet1 (120, 400)" or "" for a difference that has no place.
std::string DescribePlace(const TListedDifference& difference);

// Writes connectivity.json (see docs/connectivity.md): the counts and every difference with the
// sheet and coordinates of each group of pins. Written to a temporary file and renamed; false
// (with the reason in `problem`) when it cannot be written.
bool WriteConnectivityJson(const std::filesystem::path& file, const std::string& designFile,
                           const TConnectivityResult& result, qelsch::CodePage codePage,
                           std::string& problem);

}  // namespace connectivity
