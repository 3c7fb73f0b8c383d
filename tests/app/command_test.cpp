// The command zorvan-import run as a user runs it, on small fixture files: exit codes, the
// workspace, the report's place and name, the validator and loader roads, several files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = FIXTURES;
const fs::path kExamples = EXAMPLES;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class CommandTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zorvan-app-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FDir = pattern;
    }
    void TearDown() override {
        std::error_code error;
        fs::permissions(FDir, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(FDir, error);
    }

    // Runs the command in the test's folder, with no terminal and the dialogs in batch mode.
    TRun Run(const std::vector<std::string>& arguments) {
        fs::path out = FDir / ".stdout", err = FDir / ".stderr";
        pid_t child = fork();
        if (child == 0) {
            if (chdir(FDir.c_str()) != 0) _exit(126);
            setenv("ZORVAN_DIALOGS", "batch", 1);
            int in = open("/dev/null", O_RDONLY);
            int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
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
        waitpid(child, &status, 0);
        TRun run;
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.Out = ReadFile(out);
        run.Err = ReadFile(err);
        fs::remove(out);
        fs::remove(err);
        return run;
    }

    // A copy of a fixture in the test's folder, under `name`.
    fs::path Copy(const std::string& fixture, const std::string& name) {
        fs::path copy = FDir / name;
        fs::copy_file(kFixtures / fixture, copy);
        return copy;
    }

    std::vector<std::string> JsonFiles(const fs::path& folder) {
        std::vector<std::string> names;
        if (!fs::is_directory(folder)) return names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".json") names.push_back(entry.path().filename());
        return names;
    }

    fs::path FDir;
};

std::string Fixture(const std::string& name) {
    return (kFixtures / name).string();
}

TEST_F(CommandTest, EachFailureHasItsOwnExitCodeAndMessage) {
    fs::create_directory(FDir / "folder.sch");
    struct Case {
        std::vector<std::string> Arguments;
        int ExitCode;
        std::string Message;
    };
    const Case cases[] = {
        {{"missing.sch"}, 3, "missing.sch: no such file"},
        {{"folder.sch"}, 4, "is a folder"},
        {{}, 2, "no FILE given"},
        {{"--frobnicate", Fixture("tiny.sch")}, 2, "unknown option --frobnicate"},
        {{"-o"}, 2, "needs a value"},
        {{"--loader", "dsn", Fixture("tiny.sch")}, 2, "DSN or LIB"},
        {{"--jobs", "0", Fixture("tiny.sch")}, 2, "--jobs"},
        {{"--code-page", "ebcdic", Fixture("tiny.sch")}, 2, "--code-page"},
        {{"--library", "--loader", "DSN", Fixture("tiny.sch")}, 2, "contradicts"},
        {{"--help=yes"}, 2, "takes no value"},
        {{"--module", "/nowhere/LoadZORVANSch.so", Fixture("tiny.sch")}, 7, "nowhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        TRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    }
}

TEST_F(CommandTest, UnreadableFileExitsWithItsOwnCode) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    fs::path locked = Copy("tiny.sch", "locked.sch");
    fs::permissions(locked, fs::perms::none);
    TRun run = Run({"locked.sch"});
    EXPECT_EQ(run.ExitCode, 4);
    EXPECT_NE(run.Err.find("cannot be read"), std::string::npos) << run.Err;
}

TEST_F(CommandTest, HelpListsTheExitCodes) {
    TRun run = Run({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* line : {"Usage: zorvan-import", "--validate", "--loader", "--jobs",
                             "3  no such file", "5  not a ZORVAN ASCII file"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << line;
}

TEST_F(CommandTest, DesignImportSavesTheWorkspaceWithTheReportBesideTheDocuments) {
    Copy("tiny.sch", "tiny.sch");
    TRun run = Run({"tiny.sch"});
    ASSERT_EQ(run.ExitCode, 0) << run.Out << run.Err;

    const fs::path workspace = FDir / "tiny-import";
    std::vector<std::string> documents = JsonFiles(workspace);
    EXPECT_NE(std::find(documents.begin(), documents.end(), "Main.json"), documents.end())
        << testing::PrintToString(documents);
    // The blank document that gave the command its view is not saved.
    EXPECT_EQ(std::find(documents.begin(), documents.end(), "tiny.json"), documents.end());

    const fs::path report = workspace / "tiny.rpt";
    ASSERT_TRUE(fs::is_regular_file(report));
    EXPECT_NE(ReadFile(report).find("SCH File : tiny.sch\r\n"), std::string::npos);
    EXPECT_NE(run.Out.find("report: " + fs::canonical(report).string()), std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("Main"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("0 errors"), std::string::npos) << run.Out;
}

// A design of three sheets with a title sheet and a project sheet: every schematic document is
// drawn under its JSON file's stem, and the page shows each drawing with the summary's
// connectivity line. --kicad-only writes neither.
TEST_F(CommandTest, DesignImportDrawsEverySheetAndWritesThePage) {
    const std::string design = (kExamples / "controller.sch").string();
    TRun run = Run({"-o", "ws", design});
    ASSERT_EQ(run.ExitCode, 0) << run.Out << run.Err;

    std::set<std::string> sheets, drawings;
    for (const auto& entry : fs::directory_iterator(FDir / "ws")) {
        const fs::path& path = entry.path();
        if (path.extension() == ".svg") drawings.insert(path.stem().string());
        if (path.extension() == ".json" &&
            ReadFile(path).find("\"kind\": \"Sch\"") != std::string::npos)
            sheets.insert(path.stem().string());
    }
    EXPECT_EQ(sheets.size(), 5u) << testing::PrintToString(sheets);
    EXPECT_EQ(drawings, sheets);
    EXPECT_TRUE(fs::is_directory(FDir / "ws" / "components"));

    const std::string page = ReadFile(FDir / "ws" / "index.html");
    for (const std::string& sheet : sheets)
        EXPECT_NE(page.find("<img src=\"" + sheet + ".svg\""), std::string::npos) << sheet;
    const size_t at = run.Out.find("\n  connectivity: ") + 3;
    ASSERT_NE(at, std::string::npos + 3) << run.Out;
    const std::string summary = run.Out.substr(at, run.Out.find('\n', at) - at);
    EXPECT_NE(page.find("<h2>Connectivity</h2>\n<p>" + summary + "</p>"), std::string::npos)
        << summary;

    TRun kicadOnly = Run({"--kicad-only", "-o", "kicad-only", design});
    ASSERT_EQ(kicadOnly.ExitCode, 0) << kicadOnly.Err;
    EXPECT_TRUE(fs::is_directory(FDir / "kicad-only" / "kicad"));
    EXPECT_FALSE(fs::exists(FDir / "kicad-only" / "index.html"));
    for (const auto& entry : fs::directory_iterator(FDir / "kicad-only"))
        EXPECT_NE(entry.path().extension(), ".svg") << entry.path();
}

TEST_F(CommandTest, OutputOptionNamesTheWorkspace) {
    TRun run = Run({"-o", "chosen/place", Fixture("tiny.sch")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(fs::is_regular_file(FDir / "chosen/place/tiny.rpt"));
    EXPECT_FALSE(JsonFiles(FDir / "chosen/place").empty());
    EXPECT_FALSE(fs::exists(FDir / "tiny-import"));
}

TEST_F(CommandTest, LibraryImportCreatesTheLibraryDocument) {
    TRun run = Run({"--library", Fixture("tiny.lia")});
    ASSERT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    EXPECT_TRUE(fs::is_regular_file(FDir / "tiny-import/tiny.rpt"));
    bool library = false;
    for (const std::string& name : JsonFiles(FDir / "tiny-import"))
        library |=
            ReadFile(FDir / "tiny-import" / name).find("\"components\"") != std::string::npos;
    EXPECT_TRUE(library);
}

TEST_F(CommandTest, FileOfAnotherKindOrFormatWritesTheReportSayingWhy) {
    struct Case {
        std::vector<std::string> Arguments;
        std::string Stem;
    };
    const Case cases[] = {
        {{Fixture("notes.sch")}, "notes"},
        {{Fixture("tiny.lia")}, "tiny"},               // a library given as a design
        {{"--library", Fixture("tiny.sch")}, "tiny"},  // a design given as a library
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        fs::remove_all(FDir / (c.Stem + "-import"));
        TRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, 5);
        EXPECT_NE(run.Err.find("not a ZORVAN ASCII"), std::string::npos) << run.Err;
        std::string report = ReadFile(FDir / (c.Stem + "-import") / (c.Stem + ".rpt"));
        EXPECT_NE(report.find("Load Errors : 1\r\n"), std::string::npos) << report;
        EXPECT_NE(report.find("Unsupported file version. Please try to import ZORVAN files in "
                              "ASCII format!"),
                  std::string::npos);
    }
}

TEST_F(CommandTest, ValidateAnswersWithItsExitCodeAndWritesNothing) {
    struct Case {
        std::vector<std::string> Arguments;
        int ExitCode;
    };
    const Case cases[] = {
        {{"--validate", Fixture("tiny.sch")}, 0},
        {{"--validate", "--library", Fixture("tiny.lia")}, 0},
        {{"--validate", "--loader", "LIB", Fixture("tiny.lia")}, 0},
        {{"--validate", Fixture("tiny.lia")}, 1},
        {{"--validate", "--library", Fixture("tiny.sch")}, 1},
        {{"--validate", Fixture("notes.sch")}, 1},
        {{"--validate", "missing.sch"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        EXPECT_EQ(Run(c.Arguments).ExitCode, c.ExitCode);
    }
    EXPECT_TRUE(fs::is_empty(FDir));
}

TEST_F(CommandTest, LoaderImportsACopyAndLeavesTheUsersFileInPlace) {
    for (const auto& [fixture, expected] : {std::pair{"tiny.sch", 0}, {"notes.sch", 5}}) {
        SCOPED_TRACE(fixture);
        fs::path file = Copy(fixture, std::string("mine-") + fixture);
        const std::string before = ReadFile(file);
        TRun run = Run({"--loader", "DSN", file.filename().string()});
        EXPECT_EQ(run.ExitCode, expected) << run.Err;
        ASSERT_TRUE(fs::is_regular_file(file));
        EXPECT_EQ(ReadFile(file), before);
        EXPECT_TRUE(fs::is_regular_file(FDir / (file.stem().string() + "-import") /
                                        (file.stem().string() + ".rpt")));
    }
}

TEST_F(CommandTest, ViewReportPrintsTheReportWhenTheStatusDialogOpensIt) {
    TRun quiet = Run({Fixture("notes.sch")});
    EXPECT_EQ(quiet.Out.find("Unsupported file version"), std::string::npos);
    TRun viewed = Run({"--view-report", Fixture("notes.sch")});
    EXPECT_NE(viewed.Out.find("Unsupported file version"), std::string::npos) << viewed.Out;
}

TEST_F(CommandTest, JobsImportEveryFileIntoItsOwnWorkspace) {
    Copy("tiny.sch", "first.sch");
    Copy("tiny.sch", "second.sch");
    TRun run = Run({"--jobs", "2", "first.sch", "second.sch"});
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    for (const char* stem : {"first", "second"}) {
        EXPECT_TRUE(fs::is_regular_file(FDir / (std::string(stem) + "-import") /
                                        (std::string(stem) + ".rpt")))
            << stem;
        EXPECT_NE(run.Out.find(std::string(stem) + ".sch -> "), std::string::npos) << run.Out;
    }

    // The first failing file in the given order sets the exit code; the others still run.
    TRun mixed = Run({"--jobs", "2", "-o", "several", "first.sch", "missing.sch", "notes.sch"});
    EXPECT_EQ(mixed.ExitCode, 3);
    EXPECT_TRUE(fs::is_regular_file(FDir / "several/first-import/first.rpt"));
}

TEST_F(CommandTest, FilesThatWouldShareAWorkspaceAreRefused) {
    fs::create_directory(FDir / "other");
    Copy("tiny.sch", "other/tiny.sch");
    TRun run = Run({Fixture("tiny.sch"), "other/tiny.sch"});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Err.find("share the workspace"), std::string::npos) << run.Err;
}

}  // namespace
