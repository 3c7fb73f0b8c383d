// Several files, each imported by its own process of this command (a fresh host and module
// state per file, each into its own workspace), up to N at once.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "options.h"

namespace app {

// The arguments that import the single file `index` of a run over several files: the
// options given, without --jobs, with -o naming that file's own workspace.
std::vector<std::string> ArgumentsForFile(const TOptions& options, size_t index);

// Runs the command once per file. One job at a time: each child talks to the terminal as a
// single import would. More: the children's input is empty (nothing waits) and each child's
// output is printed in one piece when it ends. The result is the first non-zero exit code in
// the order of the files, else 0.
int RunFileJobs(const TOptions& options, std::ostream& out, std::ostream& err);

}  // namespace app
