#include "frame/import_driver.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ClientAPI.h"
#include "fake_host.h"
#include "frame/client_procs.h"
#include "frame/import_commands.h"
#include "frame/import_state.h"
#include "frame/sch_procs.h"
#include "platform/dialog_driver.h"
#include "report/report_manager.h"

namespace fs = std::filesystem;

namespace {

std::string Fixture(const std::string& name) {
    return std::string(FIXTURES) + "/" + name;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Each test works in a folder of its own, where the current document is saved and the report
// is written.
class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeHost();
        BindFakeHost();
        schapi::ResetTable();
        platform::SetDialogMode(platform::TDialogMode::Scripted);
        platform::ClearScriptedDialogs();
        Folder = fs::temp_directory_path() /
                 ("frame_test_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        FakeHost().DocumentFileName = (Folder / "Sheet1.SchDoc").string();
        std::ofstream(FakeHost().DocumentFileName) << "doc";
        SetImportFileName("");
        RecordCurrentView();
    }
    void TearDown() override {
        fs::remove_all(Folder);
        schapi::ResetTable();
    }

    // A copy of a fixture in the test's folder (the loader deletes what it is given).
    std::string Copy(const std::string& fixture, const std::string& as = "") {
        fs::path target = Folder / (as.empty() ? fixture : as);
        fs::copy_file(Fixture(fixture), target, fs::copy_options::overwrite_existing);
        return target.string();
    }

    std::string Write(const std::string& name, const std::string& text) {
        fs::path target = Folder / name;
        std::ofstream(target, std::ios::binary) << text;
        return target.string();
    }

    const std::vector<platform::TShownDialog>& Dialogs() { return platform::ScriptedDialogs(); }

    fs::path Folder;
};

TEST_F(ImportTest, FirstLineTest) {
    struct TCase {
        const char* Name;
        std::string Text;
        bool Passes;
    };
    const std::string padding(250, ' ');
    const TCase cases[] = {
        {"keyword", "NIMBO_ASCII \"a.sch\"\r\n", true},
        {"lower case", "nimbo_ascii \"a.sch\"\r\n", true},
        {"keyword inside the line", "x NiMbO_AsCiI\r\n", true},
        {"only a later line", "\r\nNIMBO_ASCII \"a.sch\"\r\n", false},
        {"line feed ends the line", "x\nNIMBO_ASCII\r\n", false},
        {"other file keyword", "FerrinPRO_ASCII \"a.sch\"\r\n", false},
        {"keyword within 255 characters", std::string(244, ' ') + "NIMBO_ASCII", true},
        {"keyword cut at 255 characters", std::string(245, ' ') + "NIMBO_ASCII", false},
        {"keyword beyond 255 characters", padding + padding + "NIMBO_ASCII", false},
        {"empty file", "", false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(HasNimboHeaderLine(Write("first.sch", c.Text)), c.Passes) << c.Name;
    EXPECT_FALSE(HasNimboHeaderLine((Folder / "missing.sch").string()));
    EXPECT_FALSE(HasNimboHeaderLine(Folder.string()));  // a folder is no file
}

TEST_F(ImportTest, FirstLineTestNeedsTheHostsExistenceTest) {
    clientapi::ResetTable();
    EXPECT_FALSE(HasNimboHeaderLine(Fixture("design.sch")));
}

TEST_F(ImportTest, ValidatorAnswersForTheGivenType) {
    const std::string design = Fixture("design.sch"), library = Fixture("library.lia");
    const std::string cases[][2] = {
        {"FileName=" + design + "|FileType=DSN", "1"},
        {"FileName= " + design + " |FileType= DSN ", "1"},
        {"FileName=" + design + "|FileType=dsn", "0"},
        {"FileName=" + design + "|FileType=LIB", "0"},
        {"FileName=" + design + "|FileType=XYZ", "0"},
        {"FileName=" + library + "|FileType=LIB", "1"},
        {"FileName=" + library + "|FileType=DSN", "0"},
        {"FileName=" + Fixture("version4.sch") + "|FileType=DSN", "0"},
        {"FileName=" + Fixture("ferrin.sch") + "|FileType=DSN", "0"},
        {"FileName=" + (Folder / "missing.sch").string() + "|FileType=DSN", "0"},
        {"FileName=" + design, "0"},
        {"FileType=DSN", "0"},
        {"", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Nimbo15Validator(c[0].c_str()), c[1] == "1" ? 1 : 0) << c[0];
    EXPECT_EQ(Nimbo15Validator(nullptr), 0);
    EXPECT_TRUE(Dialogs().empty());  // the validator shows nothing
    EXPECT_FALSE(fs::exists(Folder / "design.rpt"));
}

TEST_F(ImportTest, LoaderDeletesItsFileInEveryCase) {
    struct TCase {
        const char* Name;
        const char* Fixture;
        const char* Type;
        bool Reported;
    };
    for (const TCase& c : {TCase{"design", "design.sch", "DSN", false},
                           TCase{"library", "library.lia", "LIB", false},
                           TCase{"lower-case type", "design.sch", "dsn", false},
                           TCase{"unknown type", "design.sch", "PCB", false},
                           TCase{"invalid file", "version4.sch", "DSN", true},
                           TCase{"design as library", "design.sch", "LIB", true}}) {
        platform::ClearScriptedDialogs();
        const std::string file = Copy(c.Fixture, "loaded.sch");
        const std::string parameters = "FileName=" + file + "|FileType=" + c.Type;
        EXPECT_EQ(Nimbo15Loader(0, parameters.c_str()), 0) << c.Name;
        EXPECT_FALSE(fs::exists(file)) << c.Name;
        // An invalid file is reported as such, under the loaded file's name.
        EXPECT_EQ(Dialogs().size(), c.Reported ? 1u : 0u) << c.Name;
        if (c.Reported) {
            EXPECT_NE(ReadFile(Folder / "loaded.rpt").find("Load Errors : 1"), std::string::npos);
        }
    }
}

TEST_F(ImportTest, LoaderWithoutAFileOrParametersDoesNothing) {
    const std::string missing = "FileName=" + (Folder / "missing.sch").string() + "|FileType=DSN";
    EXPECT_EQ(Nimbo15Loader(0, missing.c_str()), 0);
    EXPECT_EQ(Nimbo15Loader(0, nullptr), 0);
    const std::string kept = Copy("design.sch");
    EXPECT_EQ(Nimbo15Loader(0, ("FileName=" + kept).c_str()), 0);
    EXPECT_EQ(Nimbo15Loader(0, ("FileName=" + kept + "|FileType=").c_str()), 0);
    EXPECT_TRUE(fs::exists(kept));  // incomplete parameters delete nothing
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(ImportTest, LoaderWithoutAClientRunsToItsEnd) {
    FakeHost().HasClient = false;
    SetModuleClient(nullptr);
    const std::string file = Copy("design.sch");
    EXPECT_EQ(Nimbo15Loader(0, ("FileName=" + file + "|FileType=DSN").c_str()), 0);
    EXPECT_EQ(CurrentView, nullptr);
    EXPECT_FALSE(fs::exists(file));
}

// Runs a command through the module as the host does: ServerFactory, then the launcher.
class CommandTest : public ImportTest {
  protected:
    void SetUp() override {
        ImportTest::SetUp();
        ServerFactory(&Module, FakeClient());
        ASSERT_NE(Module, nullptr);
    }
    void TearDown() override {
        Module->Release();
        ImportTest::TearDown();
    }
    int32_t Launch(const char* command, const std::string& parameters) {
        return Module->GetCommandLauncher()->LaunchCommand(command, parameters.c_str(), 0,
                                                           FakeView());
    }
    IServerModule* Module = nullptr;
};

TEST_F(CommandTest, DesignCommandImportsAndReportsBesideTheCurrentDocument) {
    const std::string file = Copy("version4.sch", "old.sch");
    EXPECT_EQ(Launch("LOADZORVANSCHFILE", "FileName=" + file), 1);
    EXPECT_EQ(GetImportFileName(), "old.sch");
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Dialogs()[0].Form.Find("LabelStatus")->Caption, "Errors occured during translation");
    const std::string report = ReadFile(Folder / "old.rpt");
    EXPECT_NE(report.find("SCH File : old.sch\r\n"), std::string::npos);
    EXPECT_NE(report.find("Load Errors : 1\r\nUnsupported file version. Please try to import "
                          "ZORVAN files in ASCII format!\r\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(file));  // a command never deletes
}

TEST_F(CommandTest, ValidDesignImportsWithoutAnEditorAndShowsNothing) {
    const std::string file = Copy("design.sch");
    EXPECT_TRUE(ImportNimboDesign(file));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(fs::exists(Folder / "Sheet1.rpt"));  // no stored name: the document's
}

TEST_F(CommandTest, CommandInTheWrongKindOfDocumentShowsTheErrorBoxOnly) {
    struct TCase {
        const char* Command;
        const char* Kind;
        const char* Text;
    };
    for (const TCase& c :
         {TCase{"LoadZORVANSchFile", "SchLib",
                "Schematic window should be active, in order to run this process!"},
          TCase{"LoadZORVANSchLib", "Sch",
                "Schematic Library window should be active, in order to run this process!"},
          TCase{"LoadZORVANSchLib", "Text",
                "Schematic Library window should be active, in order to run this process!"}}) {
        platform::ClearScriptedDialogs();
        FakeHost().DocumentKind = c.Kind;
        Launch(c.Command, "FileName=" + Copy("design.sch"));
        ASSERT_EQ(Dialogs().size(), 1u) << c.Command;
        EXPECT_EQ(Dialogs()[0].Caption, "Lumivex Error");
        EXPECT_NE(Dialogs()[0].Text.find(c.Text), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(Folder / "design.rpt"));
}

TEST_F(CommandTest, DesignFileGivenToTheLibraryCommandIsAnUnsupportedVersion) {
    FakeHost().DocumentKind = "schlib";
    const std::string file = Copy("design.sch", "design.lia");
    Launch("LoadZORVANSchLib", "FileName=" + file);
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Dialogs()[0].Form.Find("LabelStatus")->Caption, "Errors occured during translation");
    EXPECT_NE(ReadFile(Folder / "design.rpt").find("Unsupported file version"), std::string::npos);
}

// The host's file dialog: records the request and answers with a scripted reply.
std::string gDialogRequest;
std::string gDialogAnswer;
int32_t FakeSendCommand(const char* command, char* parameters, uint16_t size, SchHandle window) {
    EXPECT_STREQ(command, "Client:RunCommonDialog");
    EXPECT_EQ(size, 4096);
    EXPECT_EQ(window, 0u);
    gDialogRequest = parameters;
    std::strncpy(parameters, gDialogAnswer.c_str(), size - 1);
    return 0;
}

TEST_F(CommandTest, FileDialogIsAskedUnlessTheNameEndsInTheKindsExtension) {
    schapi::Table().SendCommand = FakeSendCommand;
    const std::string design = Copy("design.sch");
    const std::string text = Copy("version4.sch", "notes.txt");
    const std::string chosen = Copy("version4.sch", "chosen.sch");
    struct TCase {
        const char* Name;
        std::string Given;
        std::string Answer;
        std::string Request;   // empty: no dialog
        std::string Imported;  // the name stored for the report
    };
    const std::string prefix =
        "Dialog=FileOpenSave|Mode=0|Prompt=ZORVAN Schematic File|DocumentType=All|"
        "FileType1=ZORVAN ASCII Schematic Files (*.sch)|FileType2=All Files (*.*)|Path=";
    const TCase cases[] = {
        {".sch: no dialog", design, "", "", "design.sch"},
        {".txt: dialog with the path", text, "Result=True|Path=" + chosen, prefix + text,
         "chosen.sch"},
        {"cancelled: the given file", text, "Result=False|Path=" + chosen, prefix + text,
         "notes.txt"},
        {"no name", "", "Result=True|Path=" + chosen, prefix, "chosen.sch"},
        {"cancelled without a name", "", "Result=False", prefix, ""},
    };
    for (const TCase& c : cases) {
        gDialogRequest.clear();
        gDialogAnswer = c.Answer;
        SetImportFileName("");
        Launch("loadzorvanschfile", "FileName=" + c.Given);
        EXPECT_EQ(gDialogRequest, c.Request) << c.Name;
        // With no name stored, the current document's file name stands in.
        EXPECT_EQ(GetImportFileName(),
                  c.Imported.empty() ? FakeHost().DocumentFileName : c.Imported)
            << c.Name;
    }
    // The library command asks with its own request.
    FakeHost().DocumentKind = "SchLib";
    gDialogAnswer = "Result=False";
    Launch("LoadZORVANSchLib", "FileName=" + design);
    EXPECT_EQ(gDialogRequest,
              "Dialog=FileOpenSave|Mode=0|Prompt=ZORVAN Schematic Library File|DocumentType=All|"
              "FileType1=ZORVAN ASCII Schematic Library Files (*.lia)|FileType2=All Files "
              "(*.*)|Path=" +
                  design);
}

TEST_F(CommandTest, UnknownCommandRunsNothing) {
    EXPECT_EQ(Launch("LoadZORVANSchPcb", "FileName=x"), 0);
    EXPECT_TRUE(Dialogs().empty());
}

// No host at all: no client, no client functions, no editor. Validation cannot confirm the
// file, so the import reports it and returns.
TEST(NoHostTest, ImportRunsToItsEndAndCreatesNothing) {
    platform::SetDialogMode(platform::TDialogMode::Scripted);
    platform::ClearScriptedDialogs();
    clientapi::ResetTable();
    schapi::ResetTable();
    SetModuleClient(nullptr);
    SetImportFileName("");
    RecordCurrentView();
    EXPECT_FALSE(ImportNimboDesign(Fixture("design.sch")));
    EXPECT_FALSE(ImportNimboLibrary(Fixture("library.lia")));
    EXPECT_EQ(platform::ScriptedDialogs().size(), 2u);
    // With the file confirmed, reading and translation run without an editor.
    TReportManager report;
    EXPECT_TRUE(ImportNimboFile(Fixture("design.sch"), report));
    EXPECT_EQ(report.LoadErrorCount, 0);
}

TEST(ReadFailureTest, AnExceptionWhileReadingBecomesALoadError) {
    TReportManager report;
    EXPECT_FALSE(ImportNimboFile("/nonexistent/folder/x.sch", report));
    EXPECT_EQ(report.LoadErrorCount, 1);
    ASSERT_EQ(report.LoadErrors.size(), 1u);
    EXPECT_EQ(report.LoadErrors[0].Text, "ERROR: A General IO Error has occured with the file");
}

}  // namespace
