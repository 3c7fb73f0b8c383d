#include "connectivity_summary.h"

#include "connectivity_check.h"
#include "connectivity_report.h"
#include "exit_codes.h"

namespace app {

std::string TConnectivityCheck::SummaryLine() const {
    if (!Result) return "connectivity: not checked, " + Problem;
    return connectivity::SummaryLine(*Result);
}

TConnectivityCheck CheckImportedDesign(const qelsch::SchEditor& editor,
                                       const std::filesystem::path& file) {
    TConnectivityCheck check;
    check.HostNets = connectivity::ExtractHostNetlist(editor);
    check.Result = connectivity::CheckConnectivity(check.HostNets, file, check.Problem);
    return check;
}

int ReportConnectivity(const TConnectivityCheck& check, const std::filesystem::path& file,
                       const std::filesystem::path& workspace, const TOptions& options,
                       std::ostream& out, std::ostream& err) {
    out << "  " << check.SummaryLine() << "\n";
    if (!check.Result) return kExitOk;
    const connectivity::TConnectivityResult& result = *check.Result;
    if (options.CheckConnectivity) {
        for (const auto& difference : connectivity::ListDifferences(result, options.CodePage)) {
            out << "    " << difference.Kind << ": " << difference.Text;
            if (difference.Sheet) out << "  at " << connectivity::DescribePlace(difference);
            out << "\n";
        }
    }
    const std::filesystem::path json = workspace / "connectivity.json";
    std::string problem;
    if (!connectivity::WriteConnectivityJson(json, file.filename().string(), result,
                                             options.CodePage, problem)) {
        err << "zorvan-import: " << problem << "\n";
        return kExitHostFailure;
    }
    out << "  connectivity: " << json.filename().string() << "\n";
    if (options.CheckConnectivity && !result.Identical()) return kExitConnectivityDiffers;
    return kExitOk;
}

}  // namespace app
