// One step of the import on one file, in process, for a profiler (callgrind, perf):
//
//   bench_profile tokenize|parse|translate FILE [WORKSPACE]
//
// tokenize runs the tokenizer alone over the file; parse reads the file into the object tree as the
// import driver does; translate also translates it into the reference schematic editor (the
// workspace defaults to a folder in the temporary directory). The function ProfiledStep holds the
// measured work, so that `valgrind --tool=callgrind --toggle-collect=ProfiledStep*` leaves the
// setup out.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "client.h"
#include "editor.h"
#include "frame/client_procs.h"
#include "frame/import_driver.h"
#include "frame/sch_procs.h"
#include "model/ascii_file.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "report/report_manager.h"

namespace fs = std::filesystem;

namespace {

__attribute__((noinline)) bool ProfiledStep(const std::string& step, const std::string& path) {
    TReportManager report;
    if (step == "translate") return ImportNimboFile(path, report);
    TNimboParser parser(path);
    RegisterKeywords(parser);
    if (step == "tokenize") {
        uint64_t tokens = 0;
        while (!parser.Eof()) {
            parser.NextToken();
            ++tokens;
        }
        return tokens > 0;
    }
    TNimboAsciiFile file(&parser, path);
    file.FReport = &report;
    file.FSchematicUnits = true;
    file.Parse();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string step = argc >= 3 ? argv[1] : "";
    if (step != "tokenize" && step != "parse" && step != "translate") {
        std::fprintf(stderr, "usage: %s tokenize|parse|translate FILE [WORKSPACE]\n", argv[0]);
        return 2;
    }
    const fs::path workspace =
        argc >= 4 ? fs::path(argv[3]) : fs::temp_directory_path() / "zorvan_profile";
    fs::create_directories(workspace);
    client::TClient host(qelsch::Editor(), workspace);
    SetModuleClient(&host);
    if (!BindSchematicApi()) return 1;
    return ProfiledStep(step, argv[2]) ? 0 : 1;
}
