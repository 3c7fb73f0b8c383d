// The drawings of a saved workspace (host/view): one SVG per schematic document and per library
// component part and display mode, and index.html with the report's messages and the
// connectivity check's differences.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "connectivity_summary.h"
#include "editor.h"
#include "options.h"

namespace app {

struct TDrawingsInput {
    std::filesystem::path Workspace;
    const qelsch::SaveResult& Saved;  // the JSON files the drawings are named after
    std::string ReportFile;           // empty when the module wrote none
    std::string Title;                // the imported file's name
    const TConnectivityCheck* Connectivity = nullptr;  // none for a library or an invalid file
};

// Draws the editor's documents into the workspace and lists, in the summary, every part drawn
// without library graphics. kExitOk, or kExitHostFailure when a file could not be written.
int SaveDrawings(const qelsch::SchEditor& editor, const TDrawingsInput& input,
                 const TOptions& options, std::ostream& out, std::ostream& err);

}  // namespace app
