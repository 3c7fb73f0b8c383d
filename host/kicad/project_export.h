// The KiCad 6 project of a workspace: what the editor holds after an import, written into one
// folder (the command's kicad/ folder).
//
// A design gives <name>.kicad_pro, the root sheet <name>.kicad_sch (with several sheets it holds
// one hierarchical sheet symbol per sheet, laid out as the project document lays them out, and
// each sheet has its own .kicad_sch; a single sheet is the root itself), the library
// <name>.kicad_sym (one symbol per library component, one power symbol per power net) and
// sym-lib-table. A library import gives <name>.kicad_sym alone. Every export also writes
// export-report.txt: what had no KiCad counterpart and what was approximated.
//
//   kicad::TKicadExportOptions options;
//   options.ProjectName = "demo";
//   kicad::TKicadExportResult result = kicad::ExportKicadProject(editor, "ws/kicad", options);
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "code_page.h"
#include "editor.h"
#include "export_report.h"

namespace kicad {

struct TKicadExportOptions {
    // Names the project's files; empty: the project document's name without ".prj", else the
    // first sheet's or library's name. Made safe for a file name.
    std::string ProjectName;
    qelsch::CodePage CodePage = qelsch::CodePage::Auto;  // how the editor's bytes are read
};

struct TKicadExportResult {
    std::vector<std::filesystem::path> Files;  // in the order written
    std::vector<std::string> Errors;           // files that could not be written
    TExportReport Report;
    std::filesystem::path RootSheet;  // empty when no sheet was exported
    std::filesystem::path Library;    // empty when there was nothing to put into a library
    bool ok() const { return Errors.empty(); }
};

TKicadExportResult ExportKicadProject(const qelsch::SchEditor& editor,
                                      const std::filesystem::path& folder,
                                      const TKicadExportOptions& options);

}  // namespace kicad
