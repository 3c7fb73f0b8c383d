// The connectivity check of an imported design: the file's own netlist against the nets of the
// sheets the import left in the editor.
//
//   std::string problem;
//   if (auto result = connectivity::CheckConnectivity(qelsch::Editor(), file, problem))
//       std::cout << connectivity::SummaryLine(*result) << "\n";
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "comparison.h"
#include "editor.h"

namespace connectivity {

// nullopt, with the reason in `problem`, when the file's netlist cannot be had.
std::optional<TConnectivityResult> CheckConnectivity(const qelsch::SchEditor& editor,
                                                     const std::filesystem::path& designFile,
                                                     std::string& problem);
// The same with the sheets' nets already extracted (ExtractHostNetlist), for a caller that
// needs them again.
std::optional<TConnectivityResult> CheckConnectivity(const THostNetlist& host,
                                                     const std::filesystem::path& designFile,
                                                     std::string& problem);

}  // namespace connectivity
