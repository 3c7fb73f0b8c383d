// zorvan-import's connectivity line, connectivity.json and --check-connectivity, on a small
// design that loses a connection and on the example design.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct TRun {
    int ExitCode = -1;
    std::string Output;
};

class ConnectivityCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "connectivity-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FFolder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(FFolder, ignored);
    }

    TRun Import(const fs::path& file, const std::string& options) {
        const std::string command = "ZORVAN_DIALOGS=batch '" ZORVAN_IMPORT "' " + options +
                                    " -o '" + Workspace().string() + "' '" + file.string() +
                                    "' 2>/dev/null </dev/null";
        TRun run;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.Output.append(buffer, n);
        const int status = pclose(pipe);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
    fs::path Workspace() const { return FFolder / "workspace"; }
    nlohmann::json Json() const {
        std::ifstream in(Workspace() / "connectivity.json");
        return nlohmann::json::parse(in);
    }

    fs::path FFolder;
};

TEST_F(ConnectivityCommand, ALostConnectionIsCountedListedAndWritten) {
    const TRun run = Import(FIXTURES "/lost.sch", "--check-connectivity");
    EXPECT_EQ(run.ExitCode, 8) << run.Output;
    EXPECT_NE(run.Output.find("  connectivity: 2 of 3 nets identical; 0 split, 0 merged, 2 pins "
                              "unconnected, 0 pins connected only in the host\n"),
              std::string::npos)
        << run.Output;
    EXPECT_NE(run.Output.find("    unconnected: pin R1-2 of net \"A\" is connected to no other "
                              "pin  at Main (140, 100)\n"),
              std::string::npos)
        << run.Output;

    const nlohmann::json json = Json();
    EXPECT_EQ(json["nets"]["compared"], 3);
    EXPECT_EQ(json["pins"]["notCompared"], 1);
    ASSERT_EQ(json["differences"].size(), 2u);
    const nlohmann::json& second = json["differences"][1];
    EXPECT_EQ(second["kind"], "unconnected");
    EXPECT_EQ(second["groups"][0]["pins"][0], nlohmann::json::array({"R2", "1"}));
    EXPECT_EQ(second["groups"][0]["place"]["sheet"], "Main");
    EXPECT_EQ(second["groups"][0]["place"]["at"], nlohmann::json::array({200, 100}));
}

TEST_F(ConnectivityCommand, WithoutTheOptionTheLineIsPrintedAndTheExitCodeKept) {
    const TRun run = Import(FIXTURES "/lost.sch", "");
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_NE(run.Output.find("connectivity: 2 of 3 nets identical"), std::string::npos);
    EXPECT_EQ(run.Output.find("    unconnected:"), std::string::npos);
    EXPECT_TRUE(fs::exists(Workspace() / "connectivity.json"));
}

TEST_F(ConnectivityCommand, ADesignWithoutNetlistIsNotChecked) {
    const TRun run = Import(FIXTURES "/no_netlist.sch", "--check-connectivity");
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_NE(run.Output.find("connectivity: not checked, the file holds no netlist"),
              std::string::npos)
        << run.Output;
}

// Every net of the example design comes through the import unchanged.
TEST_F(ConnectivityCommand, TheExampleDesignKeepsEveryNet) {
    const fs::path copy = FFolder / "demo.sch";
    fs::copy_file(EXAMPLES "/demo.sch", copy);

    const TRun run = Import(copy, "--check-connectivity");
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_NE(run.Output.find("  connectivity: 7 of 7 nets identical\n"), std::string::npos)
        << run.Output;
    EXPECT_TRUE(Json()["differences"].empty());
}

}  // namespace
