#include "robustness_support.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace robust_test {

std::string DesignText(std::string_view design, std::string_view embeddedName) {
    std::string text = "NIMBO_ASCII \"" + std::string(embeddedName) + "\"\r\n\r\n";
    text += "(asciiHeader\r\n  (asciiVersion 3 0)\r\n  (fileUnits Mil)\r\n)\r\n\r\n";
    text += "(library \"Library_1\"\r\n)\r\n\r\n(netlist \"Netlist_1\"\r\n)\r\n\r\n";
    text += "(schematicDesign \"SchDesign_1\"\r\n";
    text += design;
    text += ")\r\n";
    return text;
}

std::string Sheet(std::string_view name, std::string_view objects) {
    static int number = 0;
    return "  (sheet \"" + std::string(name) + "\" (sheetNum " + std::to_string(++number) +
           ")\r\n" + std::string(objects) + "  )\r\n";
}

void RobustnessTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "zorvan-robust-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
}

void RobustnessTest::TearDown() {
    std::error_code error;
    fs::remove_all(FDir, error);
}

fs::path RobustnessTest::Write(const std::string& name, std::string_view bytes) {
    const fs::path path = FDir / name;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

TRun RobustnessTest::RunCommand(const std::vector<std::string>& arguments) {
    const fs::path out = FDir / ".stdout", err = FDir / ".stderr";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(FDir.c_str()) != 0) _exit(126);
        setenv("ZORVAN_DIALOGS", "batch", 1);
        const int in = open("/dev/null", O_RDONLY);
        const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(o, 1);
        dup2(e, 2);
        std::vector<char*> argv{const_cast<char*>(ZORVAN_IMPORT)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(ZORVAN_IMPORT, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    TRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.Out = ReadFile(out);
    run.Err = ReadFile(err);
    run.PeakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    fs::remove(out);
    fs::remove(err);
    return run;
}

std::vector<fs::path> FilesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file()) files.push_back(it->path());
    }
    return files;
}

std::vector<nlohmann::json> SavedDocuments(const fs::path& workspace) {
    std::vector<nlohmann::json> documents;
    for (const fs::path& file : FilesUnder(workspace)) {
        if (file.extension() != ".json") continue;
        nlohmann::json json = nlohmann::json::parse(ReadFile(file));
        // Other files of the workspace (the connectivity summary) are not documents.
        if (json.is_object() && json.contains("kind") && json.contains("objects"))
            documents.push_back(std::move(json));
    }
    return documents;
}

size_t CountObjects(const std::vector<nlohmann::json>& documents, std::string_view kind) {
    size_t count = 0;
    for (const nlohmann::json& document : documents) {
        if (!document.contains("objects")) continue;
        for (const nlohmann::json& object : document["objects"])
            if (object.value("kind", "") == kind) ++count;
    }
    return count;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0)
                extra = 1;
            else if ((lead & 0xF0) == 0xE0)
                extra = 2;
            else if ((lead & 0xF8) == 0xF0)
                extra = 3;
            else
                return false;
        }
        if (i + extra >= text.size()) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace robust_test
