// What the robustness tests share: a private folder per test, design texts around given
// sections, running zorvan-import as a program, and reading back the saved workspace.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace robust_test {

namespace fs = std::filesystem;

// A design file: header (version 3, mil), an empty library and netlist, and `design` inside
// the schematicDesign section. Lines end in CR LF as files of the format do.
std::string DesignText(std::string_view design, std::string_view embeddedName = "test.sch");
// One sheet holding `objects`.
std::string Sheet(std::string_view name, std::string_view objects = "");

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
    double PeakMB = 0;  // the command's peak resident memory
};

class RobustnessTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    fs::path Write(const std::string& name, std::string_view bytes);
    // Runs zorvan-import with `arguments` in the test's folder, no terminal, batch dialogs.
    TRun RunCommand(const std::vector<std::string>& arguments);

    fs::path FDir;
};

// Every regular file under `folder`, recursively.
std::vector<fs::path> FilesUnder(const fs::path& folder);
// The saved documents (*.json) of a workspace.
std::vector<nlohmann::json> SavedDocuments(const fs::path& workspace);
// The objects of one kind ("wire", "port", ...) across the sheets of a workspace.
size_t CountObjects(const std::vector<nlohmann::json>& documents, std::string_view kind);
bool IsValidUtf8(std::string_view text);
std::string ReadFile(const fs::path& path);

}  // namespace robust_test
