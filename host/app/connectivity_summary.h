// The connectivity part of a design import's summary: the file's own netlist against the nets of
// the imported sheets (host/connectivity), one line in the summary, connectivity.json in the
// workspace, and with --check-connectivity every difference on the terminal.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "comparison.h"
#include "editor.h"
#include "host_netlist.h"
#include "options.h"

namespace app {

// The check of one design import, made once for the summary, connectivity.json and the page.
struct TConnectivityCheck {
    // The nets of the imported sheets; the KiCad export compares its own with them.
    connectivity::THostNetlist HostNets;
    std::optional<connectivity::TConnectivityResult> Result;
    std::string Problem;  // why there is no result (the file holds no netlist...)

    // The summary line: the check's, or "connectivity: not checked, <problem>".
    std::string SummaryLine() const;
};

// Compares the editor's sheets with `file`'s netlist after a design import.
TConnectivityCheck CheckImportedDesign(const qelsch::SchEditor& editor,
                                       const std::filesystem::path& file);

// Prints the check's summary line (and with --check-connectivity every difference) and writes
// connectivity.json when there is a result. The result is kExitOk, kExitConnectivityDiffers (only
// with --check-connectivity) or kExitHostFailure when connectivity.json cannot be written.
int ReportConnectivity(const TConnectivityCheck& check, const std::filesystem::path& file,
                       const std::filesystem::path& workspace, const TOptions& options,
                       std::ostream& out, std::ostream& err);

}  // namespace app
