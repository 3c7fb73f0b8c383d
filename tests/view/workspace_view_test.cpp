// Saving the drawings of a whole store: file names, links between sheets, parts without a
// component, located messages, code page, and byte-identical output for the same store.
#include "workspace_view.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>

#include "view_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class WorkspaceViewTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        FDir = fs::temp_directory_path() /
               ("view-workspace-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
    }
    void TearDown() override {
        fs::remove_all(FDir);
        ViewTest::TearDown();
    }

    // A library whose component has a first part drawn in normal mode and a second part drawn
    // only in IEEE mode; a project sheet leading to a sheet with a placed part, a part whose
    // component is missing, a port and a net label in Windows-1251; a sheet with a name that
    // tries to leave the folder.
    void BuildStore() {
        const SchHandle library = editor().CreateDocument("SchLib", "Lib", "");
        const SchHandle gate = store().CreateComponent(library, "GATE");
        Add<qelsch::Line>(library).corner = {20, 10};
        qelsch::LibraryComponent* component = store().FindComponent(gate);
        component->parts.emplace_back();
        component->parts[1].In(qelsch::DisplayMode::Ieee).push_back(Add<qelsch::Line>(0).handle);
        component->texts[qelsch::kComponentTextDesignatorPrefix] = "U";

        const SchHandle project = NewSheet("Main.prj");
        qelsch::SheetSymbol& symbol = Add<qelsch::SheetSymbol>(project);
        symbol.location = {100, 300};
        symbol.xSize = 100;
        symbol.ySize = 60;
        TextOf(symbol.sheetNameField).text = "sub ONE";  // letter case differs
        FSub = NewSheet("Sub one");
        AddPart(FSub, "gate", 50, 50, 1, true, "U1");
        AddPart(FSub, "MISSING", 200, 50, 0, false, "U2");
        qelsch::Port& port = Add<qelsch::Port>(FSub);
        port.name = "P";
        port.location = {100, 100};
        qelsch::NetLabel& label = Add<qelsch::NetLabel>(FSub);
        label.text = "\xC0\xC1";  // Windows-1251 for U+0410 U+0411
        label.location = {30, 200};
        NewSheet("../evil");
    }

    view::TViewResult Save(const fs::path& folder) {
        fs::create_directories(folder);
        std::ofstream(folder / "import.rpt", std::ios::binary)
            << "Title\r\nDate     : today\r\nTime     : now\r\n\r\n"
               "Import Warnings : 2\r\n"
               "       1. Default port width of 30 used.\r\n"
               "          Port : P (100, 100)\r\n"
               "       2. Wire name moved to\r\n"
               "          Net label : \xC0\xC1 (30, 200)\r\n\r\n";
        const qelsch::SaveResult saved = editor().SaveWorkspace(folder, {qelsch::CodePage::Cp1251});
        EXPECT_TRUE(saved.ok());
        view::TViewOptions options;
        options.CodePage = qelsch::CodePage::Cp1251;
        options.ReportFile = folder / "import.rpt";
        options.Title = "Demo";
        return view::SaveWorkspaceView(editor(), folder, saved.files, options);
    }

    fs::path FDir;
    SchHandle FSub = 0;
};

TEST_F(WorkspaceViewTest, WritesADrawingPerSheetAndPerDrawnPartAndModeInsideTheFolder) {
    BuildStore();
    const view::TViewResult result = Save(FDir / "ws");
    EXPECT_TRUE(result.ok());
    ASSERT_FALSE(result.Files.empty());
    EXPECT_EQ(result.Files.back(), FDir / "ws" / "index.html");
    for (const char* name :
         {"Main.prj.svg", "Sub one.svg", "_evil.svg", "components/Lib/GATE-part1-normal.svg",
          "components/Lib/GATE-part2-ieee.svg"})
        EXPECT_TRUE(fs::exists(FDir / "ws" / name)) << name;
    EXPECT_FALSE(fs::exists(FDir / "ws" / "components/Lib/GATE-part2-normal.svg"));
    // Nothing lands beside the workspace.
    size_t beside = 0;
    for (const auto& entry : fs::directory_iterator(FDir)) beside += entry.path() != FDir / "ws";
    EXPECT_EQ(beside, 0u);
}

TEST_F(WorkspaceViewTest, SheetSymbolsLeadToTheirSheetsAndMissingPartsAreBoxedAndListed) {
    BuildStore();
    const view::TViewResult result = Save(FDir / "ws");
    const std::string project = ReadFile(FDir / "ws" / "Main.prj.svg");
    EXPECT_NE(project.find("<a href=\"Sub%20one.svg\">"), std::string::npos);
    const std::string page = ReadFile(FDir / "ws" / "index.html");
    EXPECT_NE(page.find("class=\"sheet-link\" href=\"#document-3\""), std::string::npos);
    EXPECT_NE(page.find("<section id=\"document-3\">\n<h2>Sub one</h2>"), std::string::npos);

    ASSERT_EQ(result.MissingParts.size(), 1u);
    const view::TMissingPart& missing = result.MissingParts[0];
    EXPECT_EQ(missing.Describe(), "U2 (MISSING part 1) on Sub one at (200, 50)");
    const std::string sheet = ReadFile(FDir / "ws" / "Sub one.svg");
    EXPECT_NE(sheet.find("stroke-dasharray"), std::string::npos);
    EXPECT_NE(sheet.find(">MISSING</text>"), std::string::npos);
    EXPECT_NE(page.find("<li>U2 (MISSING part 1) on Sub one at (200, 50)</li>"), std::string::npos);
}

TEST_F(WorkspaceViewTest, LocatedMessagesAreMarkedOnTheirSheetInTheFilesCodePage) {
    BuildStore();
    Save(FDir / "ws");
    const std::string sheet = ReadFile(FDir / "ws" / "Sub one.svg");
    EXPECT_EQ(Count(sheet, "class=\"warning\""), 2u);
    EXPECT_NE(sheet.find("<title>I1: Default port width of 30 used.</title>"), std::string::npos);
    EXPECT_NE(sheet.find(">\xD0\x90\xD0\x91</text>"), std::string::npos);  // the net label
    const std::string page = ReadFile(FDir / "ws" / "index.html");
    EXPECT_NE(page.find("Net label \xD0\x90\xD0\x91 (30, 200) <a href=\"#document-3\">I2 on Sub "
                        "one</a>"),
              std::string::npos);
    EXPECT_EQ(Count(page, "class=\"mark\" href=\"#message-"), 2u);
    // The page shows the report without the lines that change from one import to the next.
    EXPECT_NE(page.find("Import Warnings : 2"), std::string::npos);
    EXPECT_EQ(page.find("Date     :"), std::string::npos);
    EXPECT_EQ(Count(ReadFile(FDir / "ws" / "Main.prj.svg"), "class=\"warning\""), 0u);
}

TEST_F(WorkspaceViewTest, TheSameStoreGivesByteIdenticalFiles) {
    BuildStore();
    const view::TViewResult first = Save(FDir / "one");
    const view::TViewResult second = Save(FDir / "two");
    ASSERT_EQ(first.Files.size(), second.Files.size());
    for (size_t i = 0; i < first.Files.size(); ++i) {
        EXPECT_EQ(first.Files[i].lexically_relative(FDir / "one"),
                  second.Files[i].lexically_relative(FDir / "two"));
        EXPECT_EQ(ReadFile(first.Files[i]), ReadFile(second.Files[i])) << first.Files[i];
    }
}

}  // namespace
