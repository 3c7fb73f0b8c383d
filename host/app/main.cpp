// zorvan-import: imports ZORVAN ASCII schematic designs and libraries into a workspace of host
// schematic documents through the import module. See UsageText() for the options.
#include <iostream>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "file_jobs.h"
#include "import_session.h"
#include "options.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    app::TParsedOptions parsed = app::ParseOptions(arguments);
    if (parsed.Options.Help) {
        std::cout << app::UsageText();
        return app::kExitOk;
    }
    if (!parsed.Error.empty()) {
        std::cerr << "zorvan-import: " << parsed.Error << "\n"
                  << "Try 'zorvan-import --help'.\n";
        return app::kExitBadOptions;
    }
    const app::TOptions& options = parsed.Options;
    if (options.Files.size() > 1) return app::RunFileJobs(options, std::cout, std::cerr);
    app::TImportJob job{options.Files.front(),
                        app::WorkspaceFor(options.Files.front(), options.Output, false), options};
    return app::RunImport(job, std::cout, std::cerr);
}
