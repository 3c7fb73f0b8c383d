#include "connectivity_check.h"

#include "file_netlist.h"
#include "host_netlist.h"

namespace connectivity {

std::optional<TConnectivityResult> CheckConnectivity(const qelsch::SchEditor& editor,
                                                     const std::filesystem::path& designFile,
                                                     std::string& problem) {
    std::optional<TFileNetlist> file = ReadFileNetlist(designFile, problem);
    if (!file) return std::nullopt;
    return CompareConnectivity(*file, ExtractHostNetlist(editor));
}

std::optional<TConnectivityResult> CheckConnectivity(const THostNetlist& host,
                                                     const std::filesystem::path& designFile,
                                                     std::string& problem) {
    std::optional<TFileNetlist> file = ReadFileNetlist(designFile, problem);
    if (!file) return std::nullopt;
    return CompareConnectivity(*file, host);
}

}  // namespace connectivity
