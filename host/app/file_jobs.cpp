#include "file_jobs.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "exit_codes.h"

extern char** environ;

namespace app {

namespace fs = std::filesystem;

namespace {

struct TRunningJob {
    size_t Index = 0;
    std::string OutputFile;  // empty when the child writes to our own output
};

// The child's exit code; a child ended by a signal counts as a host failure.
int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return kExitHostFailure;
}

std::string TemporaryOutputFile() {
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "zorvan-import-out-XXXXXX").string();
    int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) return {};
    close(descriptor);
    return pattern;
}

pid_t Spawn(const std::vector<std::string>& arguments, const std::string& outputFile) {
    std::vector<char*> argv;
    std::string self = "/proc/self/exe";
    argv.push_back(self.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!outputFile.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                         O_WRONLY | O_TRUNC, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    pid_t child = -1;
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

}  // namespace

std::vector<std::string> ArgumentsForFile(const TOptions& options, size_t index) {
    std::vector<std::string> arguments;
    if (options.Output) {
        arguments.push_back("-o");
        arguments.push_back(WorkspaceFor(options.Files[index], options.Output, true).string());
    }
    if (options.Road == TImportRoad::Loader) {
        arguments.push_back("--loader");
        arguments.push_back(options.Library ? "LIB" : "DSN");
    } else if (options.Library) {
        arguments.push_back("--library");
    }
    if (options.ValidateOnly) arguments.push_back("--validate");
    if (options.ViewReport) arguments.push_back("--view-report");
    if (options.CheckConnectivity) arguments.push_back("--check-connectivity");
    arguments.push_back("--code-page=" + options.CodePageName);
    if (options.Module) arguments.push_back("--module=" + options.Module->string());
    arguments.push_back("--");
    arguments.push_back(options.Files[index].string());
    return arguments;
}

int RunFileJobs(const TOptions& options, std::ostream& out, std::ostream& err) {
    const bool captured = options.Jobs > 1;
    std::vector<int> codes(options.Files.size(), kExitOk);
    std::map<pid_t, TRunningJob> running;
    size_t next = 0;

    auto finish = [&](pid_t child, int status) {
        TRunningJob job = running[child];
        running.erase(child);
        codes[job.Index] = ExitCodeOf(status);
        if (job.OutputFile.empty()) return;
        std::ifstream captured(job.OutputFile, std::ios::binary);
        out << captured.rdbuf() << std::flush;
        std::error_code error;
        fs::remove(job.OutputFile, error);
    };

    while (next < options.Files.size() || !running.empty()) {
        while (next < options.Files.size() && running.size() < static_cast<size_t>(options.Jobs)) {
            TRunningJob job{next, captured ? TemporaryOutputFile() : std::string()};
            out << std::flush;
            pid_t child = Spawn(ArgumentsForFile(options, next), job.OutputFile);
            if (child < 0) {
                err << "zorvan-import: cannot start the import of " << options.Files[next].string()
                    << "\n";
                codes[next] = kExitHostFailure;
            } else {
                running[child] = job;
            }
            ++next;
        }
        if (running.empty()) continue;
        int status = 0;
        pid_t child = waitpid(-1, &status, 0);
        if (child > 0 && running.count(child)) finish(child, status);
    }
    for (int code : codes)
        if (code != kExitOk) return code;
    return kExitOk;
}

}  // namespace app
