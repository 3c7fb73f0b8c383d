#include "report/report_manager.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "fake_host.h"
#include "frame/client_procs.h"
#include "frame/import_state.h"
#include "frame/sch_procs.h"
#include "platform/dialog_driver.h"

namespace fs = std::filesystem;

namespace {

const char* const kTitle = "Helmar Design System: ZORVAN 4/5 ASCII To Helmar 7 Translator Report";
const char* const kUnsupported =
    "Unsupported file version. Please try to import ZORVAN files in ASCII format!";

// The editor's objects that the location lines read: kind and properties by handle.
struct TFakeObject {
    int32_t Kind;
    int32_t X, Y, CornerX, CornerY;
    std::string Text;
};
std::map<uint32_t, TFakeObject> gObjects;

int32_t FakeObjectId(SchHandle handle) {
    auto found = gObjects.find(handle);
    return found == gObjects.end() ? kSchKindNone : found->second.Kind;
}

int32_t FakeQueryBusEntry(int32_t, SchHandle handle, int32_t* x, int32_t* y, int32_t* cx,
                          int32_t* cy, uint8_t*, uint32_t*, uint8_t*) {
    const auto& o = gObjects.at(handle);
    *x = o.X, *y = o.Y, *cx = o.CornerX, *cy = o.CornerY;
    return 1;
}

int32_t FakeQueryNetLabel(int32_t, SchHandle handle, int32_t* x, int32_t* y, uint8_t*, uint32_t*,
                          int32_t*, uint8_t*, char** text) {
    const auto& o = gObjects.at(handle);
    *x = o.X, *y = o.Y;
    std::strncpy(*text, o.Text.c_str(), 255);
    return 1;
}

int32_t FakeQueryPort(int32_t, SchHandle handle, uint8_t*, uint8_t*, uint8_t*, int32_t*, int32_t* x,
                      int32_t* y, uint32_t*, int32_t*, int32_t*, uint8_t*, char** name) {
    const auto& o = gObjects.at(handle);
    *x = o.X, *y = o.Y;
    std::strncpy(*name, o.Text.c_str(), 255);
    return 1;
}

int32_t FakeQueryPrimitive(int32_t, SchHandle handle, uint8_t* kind, int32_t*, int32_t*, uint32_t*,
                           uint8_t*) {
    *kind = static_cast<uint8_t>(FakeObjectId(handle));
    return 1;
}

// Date and time masked.
std::vector<std::string> Masked(std::vector<std::string> lines) {
    for (auto& line : lines) {
        line = std::regex_replace(line, std::regex("^Date     : \\d{4}-\\d{2}-\\d{2}$"),
                                  "Date     : <date>");
        line = std::regex_replace(line, std::regex("^Time     : \\d{2}:\\d{2}:\\d{2}$"),
                                  "Time     : <time>");
    }
    return lines;
}

std::vector<std::string> Header() {
    return {kTitle, "SCH File : demo.sch", "Date     : <date>", "Time     : <time>", ""};
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeHost();
        BindFakeHost();
        schapi::ResetTable();
        gObjects.clear();
        platform::SetDialogMode(platform::TDialogMode::Scripted);
        platform::ClearScriptedDialogs();
        Folder = fs::temp_directory_path() / ("report_test_" + std::to_string(::getpid()));
        fs::create_directories(Folder);
        SetImportFileName("demo.sch");
        Report.SetSourceFileName("/some/where/demo.sch");
    }
    void TearDown() override {
        fs::remove_all(Folder);
        SetImportFileName("");
        schapi::ResetTable();
    }

    void InstallFakeEditor() {
        auto& table = schapi::Table();
        table.GetObjectIdFromObjectHandle = FakeObjectId;
        table.QueryBusEntry = FakeQueryBusEntry;
        table.QueryNetLabel = FakeQueryNetLabel;
        table.QueryPort = FakeQueryPort;
        table.QueryPrimitive = FakeQueryPrimitive;
    }

    // A saved current document in the test folder.
    void SaveCurrentDocument() {
        FakeHost().DocumentFileName = (Folder / "Sheet1.SchDoc").string();
        std::ofstream(FakeHost().DocumentFileName) << "doc";
    }

    std::string ReadFile(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path Folder;
    TReportManager Report;
};

TEST_F(ReportTest, ValidationFailureHasOneLoadErrorAndTheErrorStatus) {
    Report.AddLoadError(leUnsupportedVersion, 0);
    EXPECT_EQ(Masked(Report.ReportLines()),
              Concat(Header(), {"", "Load Errors : 1", kUnsupported, "", ""}));

    Report.WriteReport();
    const auto& shown = platform::ScriptedDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, "ZORVAN Schematic Translator");
    EXPECT_EQ(shown[0].Form.Find("LabelStatus")->Caption, "Errors occured during translation");
    EXPECT_TRUE(shown[0].Form.Find("CheckBoxViewReport")->Checked);
}

TEST_F(ReportTest, LoadErrorKindsAddTheirLinesAndCountEveryOne) {
    Report.AddLoadError(leIOError, 5);
    Report.AddLoadError(leNoFileKeyword, 0);
    Report.AddIOError(0);  // a line without a count
    EXPECT_EQ(Report.LoadErrorCount, 2);
    ASSERT_EQ(Report.LoadErrors.size(), 2u);
    EXPECT_EQ(Report.LoadErrors[0].Text, "ERROR: A General IO Error has occured with the file");
    EXPECT_EQ(Report.LoadErrors[0].Level, 1);
}

TEST_F(ReportTest, WarningsAreNumberedPerPhaseWithTheirLocations) {
    InstallFakeEditor();
    gObjects[11] = {kSchKindBusEntry, 10, 20, 11, 21, ""};
    gObjects[12] = {kSchKindNetLabel, -5, 7, 0, 0, "CLK"};
    gObjects[13] = {kSchKindPort, 100, 200, 0, 0, "DATA"};
    gObjects[14] = {kSchKindWire, 1, 1, 0, 0, ""};

    Report.AddLoadWarning("first load", 11);
    Report.AddImportWarning("first import", 12);
    Report.AddLoadWarning("second load", 0);
    Report.AddImportWarning("second import", 13);
    Report.AddImportWarning("third import", 14);  // a wire: no location

    EXPECT_EQ(Masked(Report.ReportLines()),
              Concat(Header(), {"", "Load Warnings : 2",
                                "       1. first load\r\n          Bus Entry: (10, 20) (11, 21)",
                                "       2. second load", "", "Import Warnings : 3",
                                "       1. first import\r\n          Net label : CLK (-5, 7)",
                                "       2. second import\r\n          Port : DATA (100, 200)",
                                "       3. third import", "", ""}));
    Report.WriteReport();
    ASSERT_EQ(platform::ScriptedDialogs().size(), 1u);
    EXPECT_EQ(platform::ScriptedDialogs()[0].Form.Find("LabelStatus")->Caption,
              "Translation Complete, Warnings Found");
}

TEST_F(ReportTest, FourDigitNumbersWidenTheLineAndLongLinesAreCut) {
    for (int i = 0; i < 1000; ++i) Report.AddImportWarning("w", 0);
    EXPECT_EQ(Report.ImportWarnings[998].Text, "     999. w");
    EXPECT_EQ(Report.ImportWarnings[999].Text, "     1000. w");

    InstallFakeEditor();
    gObjects[5] = {kSchKindNetLabel, 1, 2, 0, 0, "N"};
    Report.AddLoadWarning(std::string(300, 'x'), 5);
    EXPECT_EQ(Report.LoadWarnings.back().Text.size(), 255u);
    EXPECT_EQ(Report.LoadWarnings.back().Text.find("Net label"), std::string::npos);
}

TEST_F(ReportTest, NoMessagesWritesTheBareReportAndShowsNoDialog) {
    SaveCurrentDocument();
    Report.WriteReport();
    EXPECT_TRUE(platform::ScriptedDialogs().empty());
    EXPECT_EQ(Report.ReportFileName, (Folder / "demo.rpt").string());
    std::string text = ReadFile(Folder / "demo.rpt");
    text = std::regex_replace(text, std::regex("\\d{4}-\\d{2}-\\d{2}"), "<date>");
    text = std::regex_replace(text, std::regex("\\d{2}:\\d{2}:\\d{2}"), "<time>");
    EXPECT_EQ(text, std::string(kTitle) +
                        "\r\nSCH File : demo.sch\r\nDate     : <date>\r\nTime     : "
                        "<time>\r\n\r\n\r\n\r\n");
}

TEST_F(ReportTest, ThresholdsOfZeroWriteNothing) {
    SaveCurrentDocument();
    Report.LoadErrorLevel = Report.LoadWarningLevel = Report.ImportErrorLevel =
        Report.ImportWarningLevel = 0;
    Report.WriteReport();
    EXPECT_FALSE(fs::exists(Folder / "demo.rpt"));
    EXPECT_TRUE(Report.ReportFileName.empty());
}

// A document never saved has no folder: the report goes beside the imported file rather than
// into the folder the host happens to run in.
TEST_F(ReportTest, ReportOfAnUnsavedDocumentGoesBesideTheImportedFile) {
    FakeHost().DocumentFileName = "Sheet1.SchDoc";  // not on disk
    Report.SetSourceFileName((Folder / "demo.sch").string());
    std::ofstream file;
    EXPECT_TRUE(Report.OpenReportFile(file));
    file.close();
    EXPECT_EQ(Report.ReportFileName, (Folder / "demo.rpt").string());
    EXPECT_FALSE(fs::exists("Sheet1.SchDocdemo.rpt"));
}

TEST_F(ReportTest, ReportIsNamedAfterTheCurrentDocumentWhenNoFileNameIsStored) {
    SaveCurrentDocument();
    SetImportFileName("");
    RecordCurrentView();
    std::ofstream file;
    EXPECT_TRUE(Report.OpenReportFile(file));
    EXPECT_EQ(Report.ReportFileName, (Folder / "Sheet1.rpt").string());
}

struct TViewCase {
    const char* Name;
    std::vector<int32_t> Keys;
    bool Opened;
};

class ReportViewTest : public ReportTest, public ::testing::WithParamInterface<TViewCase> {};

TEST_P(ReportViewTest, ReportOpensOnlyOnCloseWithTheBoxTicked) {
    SaveCurrentDocument();
    Report.AddLoadWarning("w", 0);
    platform::ScriptDialogAnswer(GetParam().Keys);
    Report.WriteReport();
    const std::vector<std::string> expected =
        GetParam().Opened ? std::vector<std::string>{(Folder / "demo.rpt").string()}
                          : std::vector<std::string>{};
    EXPECT_EQ(FakeHost().Found, expected);
    EXPECT_EQ(FakeHost().Opened, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReportViewTest,
    ::testing::Values(
        TViewCase{"Enter", {platform::vkReturn}, true},
        TViewCase{"Escape", {platform::vkEscape}, false},
        TViewCase{
            "UntickThenClose", {platform::vkTab, platform::vkSpace, platform::vkReturn}, false},
        TViewCase{"EscapeOnTheCheckBox", {platform::vkTab, platform::vkEscape}, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportTest, WithoutAnyHostTheReportIsMissingButTheDialogStillShows) {
    clientapi::ResetTable();
    SetModuleClient(nullptr);
    Report.AddLoadError(leUnsupportedVersion, 0);
    Report.WriteReport();
    EXPECT_EQ(Report.ReportFileName, "");
    EXPECT_EQ(platform::ScriptedDialogs().size(), 1u);
    ASSERT_EQ(Report.ReportLines()[1], "SCH File : ");
}

}  // namespace
