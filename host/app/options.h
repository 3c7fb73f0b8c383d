// The command line of zorvan-import.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"

namespace app {

// How the file reaches the module: its server module's command, or the exported loader.
enum class TImportRoad { Command, Loader };

struct TOptions {
    std::vector<std::filesystem::path> Files;
    std::optional<std::filesystem::path> Output;  // -o DIR
    bool Library = false;                         // a library (SchLib) instead of a design
    bool ValidateOnly = false;
    TImportRoad Road = TImportRoad::Command;
    bool ViewReport = false;
    // List every difference between the file's netlist and the imported sheets, and exit with
    // kExitConnectivityDiffers when there is one (the summary line is printed in any case).
    bool CheckConnectivity = false;
    // Write only the KiCad project (the workspace's kicad/ folder), not the editor's documents.
    bool KicadOnly = false;
    int Jobs = 1;
    qelsch::CodePage CodePage = qelsch::CodePage::Auto;
    std::string CodePageName = "auto";
    std::optional<std::filesystem::path> Module;  // --module PATH
    bool Help = false;
};

// The options, or the reason they are not usable (for a message and kExitBadOptions).
struct TParsedOptions {
    TOptions Options;
    std::string Error;  // empty when the options are usable
};

TParsedOptions ParseOptions(const std::vector<std::string>& arguments);

// The text of --help, exit codes included.
std::string UsageText();

// The workspace folder of one file: `output` when given (with several files: the folder that
// holds each file's workspace), else the file's stem followed by "-import" in the current folder.
std::filesystem::path WorkspaceFor(const std::filesystem::path& file,
                                   const std::optional<std::filesystem::path>& output,
                                   bool severalFiles);

}  // namespace app
