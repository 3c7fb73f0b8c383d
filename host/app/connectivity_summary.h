// The connectivity part of a design import's summary: the file's own netlist against the nets of
// the imported sheets (host/connectivity), one line in the summary, connectivity.json in the
// workspace, and with --check-connectivity every difference on the terminal.
#pragma once

#include <filesystem>
#include <ostream>

#include "editor.h"
#include "options.h"

namespace app {

// Checks the editor's sheets against `file`'s netlist after a design import. The result is
// kExitOk, kExitConnectivityDiffers (only with --check-connectivity) or kExitHostFailure when
// connectivity.json cannot be written.
int ReportConnectivity(const qelsch::SchEditor& editor, const std::filesystem::path& file,
                       const std::filesystem::path& workspace, const TOptions& options,
                       std::ostream& out, std::ostream& err);

}  // namespace app
