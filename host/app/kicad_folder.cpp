#include "kicad_folder.h"

#include "exit_codes.h"
#include "project_export.h"

namespace app {

namespace fs = std::filesystem;

int WriteKicadFolder(const qelsch::SchEditor& editor, const fs::path& file,
                     const fs::path& workspace, const TOptions& options, std::ostream& out,
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
    return result.ok() ? kExitOk : kExitHostFailure;
}

}  // namespace app
