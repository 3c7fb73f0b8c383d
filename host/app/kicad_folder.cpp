#include "kicad_folder.h"

#include "exit_codes.h"
#include "kicad_readback.h"
#include "project_export.h"

namespace app {

namespace fs = std::filesystem;

int WriteKicadFolder(const qelsch::SchEditor& editor, const fs::path& file,
                     const fs::path& workspace, const TOptions& options,
                     const connectivity::THostNetlist* editorNets, std::ostream& out,
                     std::ostream& err) {
    kicad::TKicadExportOptions exportOptions;
    exportOptions.ProjectName = file.stem().string();
    exportOptions.CodePage = options.CodePage;
    const fs::path folder = workspace / "kicad";
    const kicad::TKicadExportResult result =
        kicad::ExportKicadProject(editor, folder, exportOptions);
    for (const std::string& problem : result.Errors) err << "zorvan-import: " << problem << "\n";
    const fs::path main = !result.RootSheet.empty()
                              ? fs::path(result.RootSheet).replace_extension(".kicad_pro")
                              : result.Library;
    out << "  kicad: " << (main.empty() ? folder : main).lexically_relative(workspace).string()
        << ", " << result.Files.size() << " files; "
        << result.Report.Count(kicad::TExportNoteKind::LeftOut) << " left out, "
        << result.Report.Count(kicad::TExportNoteKind::Approximated)
        << " approximated (kicad/export-report.txt)\n";
    if (!result.ok()) return kExitHostFailure;
    if (result.RootSheet.empty()) return kExitOk;
    // The exported sheets read back by KiCad's rules must join the pins the editor joins.
    std::string problem;
    const auto netlist = kicad::ReadKicadNetlist(result.RootSheet, problem);
    if (!netlist) {
        err << "zorvan-import: the KiCad project cannot be read back: " << problem << "\n";
        return kExitHostFailure;
    }
    const connectivity::TConnectivityResult compared =
        editorNets ? kicad::CompareWithEditor(*editorNets, *netlist)
                   : kicad::CompareWithEditor(editor, *netlist);
    out << "  kicad connectivity: " << compared.IdenticalNets << " of " << compared.Nets
        << " nets of the editor identical in KiCad; " << compared.SplitNets << " split, "
        << compared.MergingHostNets << " merged, " << compared.UnconnectedPins
        << " pins unconnected, " << compared.HostOnlyPins << " pins connected only in KiCad\n";
    return kExitOk;
}

}  // namespace app
