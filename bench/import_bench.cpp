// The whole road of an import, step by step, on synthetic files of the format.
//
//   bench_import --zorvan-import PATH [--work DIR] [--sizes 1,10,100] [--repeat N]
//                [--library | --one-sheet] [--module-only]
//
// For each size (MB) it writes a synthetic design (with --library: a library; with --one-sheet:
// a design whose single sheet holds everything), then measures on
// that one file, one run each, every step in a process of its own so that its peak memory is
// its own:
//   read        the bytes with fread in 256 KiB blocks, folded into a checksum
//   tokenize    NextToken over the whole file with the keyword table
//   parse       the tokenizer and Parse into the object tree, as the import driver reads
//   translate   Parse and Translate into the reference schematic editor (in process)
//   command     zorvan-import on the file: validation, import, report, saving the workspace
//               (left out with --module-only, which measures the module alone)
// Each step runs --repeat times (default 3) and keeps its run of least CPU time, which a busy
// machine disturbs less than the wall time. It prints the wall and CPU time, MB/s and the time
// as a multiple of the plain read's (both by CPU time), and the peak resident memory as a
// multiple of the file size; then the growth of each step's CPU time between sizes.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "client.h"
#include "editor.h"
#include "frame/client_procs.h"
#include "frame/import_driver.h"
#include "frame/sch_procs.h"
#include "model/ascii_file.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "report/report_manager.h"
#include "synthetic_files.h"

namespace fs = std::filesystem;

namespace {

struct TMeasure {
    double Seconds = 0;     // wall time
    double CpuSeconds = 0;  // user and system time of the child

    double PeakMB = 0;
    bool Ok = false;
};

// Runs `work` in a child process; its wall time, its peak resident set and whether it exited 0.
TMeasure InChild(const std::function<bool()>& work) {
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) _exit(work() ? 0 : 1);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return {};
    TMeasure measure;
    measure.Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measure.CpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    measure.PeakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    measure.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return measure;
}

bool PlainRead(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return false;
    std::vector<unsigned char> block(256 * 1024);
    uint64_t sum = 0;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
        for (size_t i = 0; i < got; ++i) sum = sum * 31 + block[i];
    }
    std::fclose(in);
    return sum != 1;  // keeps the loop from being dropped
}

bool Tokenize(const std::string& path) {
    TNimboParser parser(path);
    RegisterKeywords(parser);
    uint64_t tokens = 0;
    while (!parser.Eof()) {
        parser.NextToken();
        ++tokens;
    }
    return tokens > 0;
}

bool Parse(const std::string& path) {
    TReportManager report;
    TNimboParser parser(path);
    RegisterKeywords(parser);
    TNimboAsciiFile file(&parser, path);
    file.FReport = &report;
    file.FSchematicUnits = true;
    file.Parse();
    return true;
}

bool Translate(const std::string& path, const fs::path& workspace) {
    fs::create_directories(workspace);
    client::TClient host(qelsch::Editor(), workspace);
    SetModuleClient(&host);
    if (!BindSchematicApi()) return false;
    TReportManager report;
    return ImportNimboFile(path, report);
}

bool Command(const std::string& exe, const std::string& path, const fs::path& workspace,
             bool library) {
    std::vector<std::string> args = {exe, "-o", workspace.string()};
    if (library) args.push_back("--library");
    args.push_back(path);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    setenv("ZORVAN_DIALOGS", "batch", 1);
    execv(exe.c_str(), argv.data());
    return false;
}

struct TStep {
    const char* Name;
    std::function<bool(const std::string& path, const fs::path& workspace)> Run;
};

std::vector<int> ParseSizes(const std::string& text) {
    std::vector<int> sizes;
    size_t start = 0;
    while (start < text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        sizes.push_back(std::atoi(text.substr(start, comma - start).c_str()));
        start = comma + 1;
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    std::string importer;
    fs::path work = fs::temp_directory_path() / "zorvan_bench";
    std::vector<int> sizes = {1, 10, 100};
    bool library = false;
    int repeat = 3;
    bool oneSheet = false;
    bool moduleOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--zorvan-import" && i + 1 < argc)
            importer = argv[++i];
        else if (arg == "--work" && i + 1 < argc)
            work = argv[++i];
        else if (arg == "--sizes" && i + 1 < argc)
            sizes = ParseSizes(argv[++i]);
        else if (arg == "--library")
            library = true;
        else if (arg == "--one-sheet")
            oneSheet = true;
        else if (arg == "--module-only")
            moduleOnly = true;
        else if (arg == "--repeat" && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr,
                         "usage: %s --zorvan-import PATH [--work DIR] [--sizes 1,10,100] "
                         "[--repeat N] [--library | --one-sheet] [--module-only]\n",
                         argv[0]);
            return 2;
        }
    }
    if (!moduleOnly && (importer.empty() || access(importer.c_str(), X_OK) != 0)) {
        std::fprintf(stderr, "bench_import: give the command with --zorvan-import PATH\n");
        return 2;
    }

    std::vector<TStep> steps = {
        {"read", [](const std::string& p, const fs::path&) { return PlainRead(p); }},
        {"tokenize", [](const std::string& p, const fs::path&) { return Tokenize(p); }},
        {"parse", [](const std::string& p, const fs::path&) { return Parse(p); }},
        {"translate", [](const std::string& p, const fs::path& w) { return Translate(p, w); }},
        {"command",
         [&](const std::string& p, const fs::path& w) { return Command(importer, p, w, library); }},
    };
    if (moduleOnly) steps.pop_back();

    fs::create_directories(work);
    std::map<int, std::vector<TMeasure>> results;
    std::map<int, double> fileMB;
    bool allOk = true;
    for (int size : sizes) {
        const std::string file =
            (work / ("synthetic_" + std::to_string(size) + (library ? "mb.lia" : "mb.sch")))
                .string();
        const int64_t bytes = library
                                  ? bench::WriteSyntheticLibrary(file, size * 1000000LL)
                                  : bench::WriteSyntheticDesign(file, size * 1000000LL, oneSheet);
        const double megabytes = static_cast<double>(bytes) / 1e6;
        fileMB[size] = megabytes;
        std::printf("%s: %.1f MB\n", file.c_str(), megabytes);
        std::printf("  %-10s %8s %8s %9s %8s %9s %8s\n", "step", "wall s", "cpu s", "MB/s",
                    "x read", "peak MB", "x file");
        PlainRead(file);  // into the page cache before the first measured read
        double readSeconds = 0;
        for (const TStep& step : steps) {
            const fs::path workspace = work / ("workspace_" + std::to_string(size));
            TMeasure best;
            for (int r = 0; r < repeat; ++r) {
                fs::remove_all(workspace);
                const TMeasure m = InChild([&] { return step.Run(file, workspace); });
                allOk = allOk && m.Ok;
                if (r == 0 || m.CpuSeconds < best.CpuSeconds) best = m;
            }
            fs::remove_all(workspace);
            if (readSeconds == 0) readSeconds = best.CpuSeconds;
            results[size].push_back(best);
            std::printf("  %-10s %8.3f %8.3f %9.1f %8.1f %9.1f %8.2f%s\n", step.Name, best.Seconds,
                        best.CpuSeconds, megabytes / best.CpuSeconds, best.CpuSeconds / readSeconds,
                        best.PeakMB, best.PeakMB / megabytes, best.Ok ? "" : "  FAILED");
        }
        std::fflush(stdout);
        fs::remove(file);
    }
    for (size_t i = 1; i < sizes.size(); ++i) {
        std::printf("growth from %d MB to %d MB (file x%.1f), time:", sizes[i - 1], sizes[i],
                    fileMB[sizes[i]] / fileMB[sizes[i - 1]]);
        for (size_t s = 0; s < steps.size(); ++s) {
            std::printf(" %s %.1fx", steps[s].Name,
                        results[sizes[i]][s].CpuSeconds / results[sizes[i - 1]][s].CpuSeconds);
        }
        std::printf("\n");
    }
    return allOk ? 0 : 1;
}
