#include "options.h"

#include <charconv>
#include <set>

namespace app {

namespace fs = std::filesystem;

namespace {

// Reads the value of an option given as "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& arguments, size_t& i, std::string_view inlineValue,
               bool hasInline, std::string& value) {
    if (hasInline) {
        value = std::string(inlineValue);
        return true;
    }
    if (i + 1 >= arguments.size()) return false;
    value = arguments[++i];
    return true;
}

}  // namespace

TParsedOptions ParseOptions(const std::vector<std::string>& arguments) {
    TParsedOptions parsed;
    TOptions& options = parsed.Options;
    bool libraryFlag = false;
    bool onlyFiles = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyFiles || argument.empty() || argument[0] != '-' || argument == "-") {
            options.Files.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyFiles = true;
            continue;
        }
        size_t equals = argument.find('=');
        bool hasInline = argument.starts_with("--") && equals != std::string::npos;
        std::string name = hasInline ? argument.substr(0, equals) : argument;
        std::string_view inlineValue =
            hasInline ? std::string_view(argument).substr(equals + 1) : std::string_view{};
        std::string value;
        auto needValue = [&]() {
            if (TakeValue(arguments, i, inlineValue, hasInline, value)) return true;
            parsed.Error = "option " + name + " needs a value";
            return false;
        };
        auto noValue = [&]() {
            if (!hasInline) return true;
            parsed.Error = "option " + name + " takes no value";
            return false;
        };

        if (name == "-h" || name == "--help") {
            if (!noValue()) return parsed;
            options.Help = true;
        } else if (name == "-o" || name == "--output") {
            if (!needValue()) return parsed;
            if (value.empty()) {
                parsed.Error = "option " + name + " needs a folder";
                return parsed;
            }
            options.Output = fs::path(value);
        } else if (name == "--library") {
            if (!noValue()) return parsed;
            libraryFlag = true;
        } else if (name == "--validate") {
            if (!noValue()) return parsed;
            options.ValidateOnly = true;
        } else if (name == "--view-report") {
            if (!noValue()) return parsed;
            options.ViewReport = true;
        } else if (name == "--check-connectivity") {
            if (!noValue()) return parsed;
            options.CheckConnectivity = true;
        } else if (name == "--kicad-only") {
            if (!noValue()) return parsed;
            options.KicadOnly = true;
        } else if (name == "--loader") {
            if (!needValue()) return parsed;
            if (value != "DSN" && value != "LIB") {
                parsed.Error = "--loader takes DSN or LIB, not '" + value + "'";
                return parsed;
            }
            options.Road = TImportRoad::Loader;
            options.Library = value == "LIB";
        } else if (name == "--jobs" || name == "-j") {
            if (!needValue()) return parsed;
            int jobs = 0;
            auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
            if (error != std::errc() || end != value.data() + value.size() || jobs < 1 ||
                jobs > 64) {
                parsed.Error = "--jobs takes a number from 1 to 64, not '" + value + "'";
                return parsed;
            }
            options.Jobs = jobs;
        } else if (name == "--code-page") {
            if (!needValue()) return parsed;
            std::optional<qelsch::CodePage> codePage = qelsch::ParseCodePage(value);
            if (!codePage) {
                parsed.Error = "--code-page takes auto, 1251, 1252 or utf-8, not '" + value + "'";
                return parsed;
            }
            options.CodePage = *codePage;
            options.CodePageName = value;
        } else if (name == "--module") {
            if (!needValue()) return parsed;
            options.Module = fs::path(value);
        } else {
            parsed.Error = "unknown option " + name;
            return parsed;
        }
    }
    if (options.Help) return parsed;
    if (libraryFlag && options.Road == TImportRoad::Loader && !options.Library) {
        parsed.Error = "--library contradicts --loader DSN";
        return parsed;
    }
    options.Library = options.Library || libraryFlag;
    if (options.Files.empty()) {
        parsed.Error = "no FILE given";
        return parsed;
    }
    if (options.Files.size() > 1 && !options.ValidateOnly) {
        std::set<fs::path> workspaces;
        for (const fs::path& file : options.Files) {
            if (!workspaces.insert(WorkspaceFor(file, options.Output, true)).second) {
                parsed.Error = "two files would share the workspace " +
                               WorkspaceFor(file, options.Output, true).string() +
                               "; import them one at a time with -o";
                return parsed;
            }
        }
    }
    return parsed;
}

fs::path WorkspaceFor(const fs::path& file, const std::optional<fs::path>& output,
                      bool severalFiles) {
    fs::path own = file.stem().string() + "-import";
    if (!output) return own;
    return severalFiles ? *output / own : *output;
}

std::string UsageText() {
    return R"(Usage: zorvan-import [options] FILE...

Imports ZORVAN ASCII schematic designs (.sch) or libraries (.lia, .lib) into a workspace folder
of schematic documents (JSON), with the translation report FILE-stem.rpt beside them, their
drawings (SVG) and index.html that shows them all, a design's connectivity check
(connectivity.json), and a KiCad 6 project of the same in its kicad/ folder.

Options:
  -o, --output DIR   the workspace folder (default: FILE's stem followed by -import, in the
                     current folder); with several files, the folder that holds each file's
                     stem-import workspace
      --library      import a schematic library (the default is a design)
      --validate     only check that FILE can be imported; nothing is written
      --loader KIND  import through the module's file loader, KIND DSN (design) or LIB
                     (library); the loader works on a temporary copy, FILE stays in place
      --view-report  print the report when the translation status dialog opens it
      --check-connectivity
                     list every difference between the design's own netlist and the nets of
                     the imported sheets (always written to connectivity.json)
      --kicad-only   write only the KiCad 6 project (the workspace's kicad/ folder, written
                     on every import), not the editor's documents nor their drawings
  -j, --jobs N       import up to N files at once, each in its own process (default 1)
      --code-page CP how the file's texts are read when saving: auto (UTF-8 when valid,
                     else Windows-1252), 1251, 1252 or utf-8 (default auto)
      --module PATH  the import module (default: LoadZORVANSch.so beside this command)
  -h, --help         this text

On a terminal the module's dialogs ask on the terminal, a long read shows its progress, and
Escape or Ctrl-C during the read asks whether to abort it. Without a terminal nothing waits.

Exit codes:
  0  imported (warnings allowed); with --validate: the file can be imported
  1  with --validate: the file cannot be imported as that kind
  2  bad options
  3  no such file
  4  the file cannot be read
  5  not a ZORVAN ASCII file of that kind (the report says why)
  6  imported, but the report counts errors
  7  the module could not be loaded, or the workspace could not be written
  8  with --check-connectivity: imported, but the sheets' nets differ from the file's netlist
With several files the exit code is the first file's non-zero code, in the order given.
)";
}

}  // namespace app
