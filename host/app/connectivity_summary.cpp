#include "connectivity_summary.h"

#include <string>

#include "connectivity_check.h"
#include "connectivity_report.h"
#include "exit_codes.h"

namespace app {

int ReportConnectivity(const qelsch::SchEditor& editor, const std::filesystem::path& file,
                       const std::filesystem::path& workspace, const TOptions& options,
                       std::ostream& out, std::ostream& err) {
    std::string problem;
    std::optional<connectivity::TConnectivityResult> result =
        connectivity::CheckConnectivity(editor, file, problem);
    if (!result) {
        out << "  connectivity: not checked, " << problem << "\n";
        return kExitOk;
    }
    out << "  " << connectivity::SummaryLine(*result) << "\n";
    if (options.CheckConnectivity) {
        for (const auto& difference : connectivity::ListDifferences(*result, options.CodePage)) {
            out << "    " << difference.Kind << ": " << difference.Text;
            if (difference.Sheet) out << "  at " << connectivity::DescribePlace(difference);
            out << "\n";
        }
    }
    const std::filesystem::path json = workspace / "connectivity.json";
    if (!connectivity::WriteConnectivityJson(json, file.filename().string(), *result,
                                             options.CodePage, problem)) {
        err << "zorvan-import: " << problem << "\n";
        return kExitHostFailure;
    }
    out << "  connectivity: " << json.filename().string() << "\n";
    if (options.CheckConnectivity && !result->Identical()) return kExitConnectivityDiffers;
    return kExitOk;
}

}  // namespace app
