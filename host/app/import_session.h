// One file imported by this process: the client and its workspace, the module, the road the
// file takes into it, the saved workspace and the summary.
#pragma once

#include <filesystem>
#include <ostream>

#include "options.h"

namespace app {

struct TImportJob {
    std::filesystem::path File;
    std::filesystem::path Workspace;
    const TOptions& Options;
};

// Imports (or, with --validate, validates) one file; the result is the exit code. The summary
// goes to `out`, problems to `err`.
int RunImport(const TImportJob& job, std::ostream& out, std::ostream& err);

}  // namespace app
