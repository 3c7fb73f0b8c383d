#include "workspace_drawings.h"

#include "connectivity_report.h"
#include "exit_codes.h"
#include "workspace_view.h"

namespace app {

namespace {

// The check's summary and differences as the page shows them (texts in UTF-8).
void AddConnectivity(const TConnectivityCheck& check, qelsch::CodePage codePage,
                     view::TViewOptions& viewOptions) {
    viewOptions.ConnectivitySummary = check.SummaryLine();
    if (!check.Result) return;
    for (const auto& listed : connectivity::ListDifferences(*check.Result, codePage)) {
        view::TConnectivityDifference& difference =
            viewOptions.ConnectivityDifferences.emplace_back();
        difference.Kind = listed.Kind;
        difference.Text = listed.Text;
        difference.Sheet = listed.Sheet;
        difference.X = listed.At.X;
        difference.Y = listed.At.Y;
    }
}

}  // namespace

int SaveDrawings(const qelsch::SchEditor& editor, const TDrawingsInput& input,
                 const TOptions& options, std::ostream& out, std::ostream& err) {
    view::TViewOptions viewOptions;
    viewOptions.CodePage = options.CodePage;
    if (!input.ReportFile.empty()) viewOptions.ReportFile = input.ReportFile;
    viewOptions.Title = input.Title;
    if (input.Connectivity) AddConnectivity(*input.Connectivity, options.CodePage, viewOptions);
    const view::TViewResult drawn =
        view::SaveWorkspaceView(editor, input.Workspace, input.Saved.files, viewOptions);
    for (const view::TMissingPart& part : drawn.MissingParts)
        out << "  part without library graphics: " << part.Describe() << "\n";
    for (const std::string& problem : drawn.Errors) err << "zorvan-import: " << problem << "\n";
    return drawn.ok() ? kExitOk : kExitHostFailure;
}

}  // namespace app
