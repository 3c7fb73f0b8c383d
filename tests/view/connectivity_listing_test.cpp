// The connectivity check's differences on the page: the summary line, one row per difference
// linked to the sheet whose drawing marks its place, and no section for an unchecked import.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "view_fixture.h"
#include "workspace_view.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Holds(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

class ConnectivityListingTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        FDir = fs::temp_directory_path() /
               ("view-connectivity-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        // Two sheets; the second one's name in Windows-1251, as the check hands it in UTF-8.
        NewSheet("Main");
        NewSheet("\xC0\xC1");
    }
    void TearDown() override {
        fs::remove_all(FDir);
        ViewTest::TearDown();
    }

    view::TViewResult Save(const fs::path& folder, const view::TViewOptions& options) {
        fs::create_directories(folder);
        const qelsch::SaveResult saved = editor().SaveWorkspace(folder, {options.CodePage});
        EXPECT_TRUE(saved.ok());
        return view::SaveWorkspaceView(editor(), folder, saved.files, options);
    }

    static view::TViewOptions Checked() {
        view::TViewOptions options;
        options.CodePage = qelsch::CodePage::Cp1251;
        options.Title = "Design";
        options.ConnectivitySummary =
            "connectivity: 1 of 3 nets identical; 1 split, 0 merged, 1 pin unconnected, 0 pins "
            "connected only in the host";
        options.ConnectivityDifferences = {
            {"split", "net \"SENSE\" is split in 2: R1-1 | J1-2", "\xD0\x90\xD0\x91", 120, 80},
            {"unconnected", "pin U9-3 of net \"A\": the editor has no such pin", std::nullopt, 0,
             0},
            {"unconnected", "pin R2-1 of net \"B\" is connected to no other pin", "Gone", 5, 5},
        };
        return options;
    }

    fs::path FDir;
};

TEST_F(ConnectivityListingTest, EachDifferenceIsListedAndMarkedOnItsSheet) {
    const view::TViewResult result = Save(FDir / "ws", Checked());
    ASSERT_TRUE(result.ok());
    const std::string page = ReadFile(FDir / "ws" / "index.html");

    EXPECT_TRUE(Holds(page,
                      "<section id=\"connectivity\">\n<h2>Connectivity</h2>\n<p>"
                      "connectivity: 1 of 3 nets identical; 1 split,"));
    EXPECT_TRUE(Holds(page, "<a href=\"#connectivity\">Connectivity (3)</a>"));
    // With a place on a drawn sheet: the row links to the sheet, the sheet lists it back.
    EXPECT_TRUE(Holds(page,
                      "<tr id=\"difference-1\"><td>C1</td><td>split</td><td>net "
                      "&quot;SENSE&quot; is split in 2: R1-1 | J1-2</td><td><a "
                      "href=\"#document-2\">\xD0\x90\xD0\x91 (120, 80)</a></td></tr>"))
        << page;
    EXPECT_TRUE(Holds(page, "<section id=\"document-2\">"));
    EXPECT_TRUE(Holds(page, "<li><a href=\"#difference-1\">C1</a> net &quot;SENSE&quot;"));
    EXPECT_TRUE(Holds(page, "class=\"mark\" href=\"#difference-1\""));
    // No place, or a sheet that is not drawn: listed without a link and marked nowhere.
    EXPECT_TRUE(Holds(page,
                      "<tr id=\"difference-2\"><td>C2</td><td>unconnected</td><td>pin "
                      "U9-3 of net &quot;A&quot;: the editor has no such pin</td><td>"
                      "</td></tr>"));
    EXPECT_TRUE(Holds(page, "<td>Gone (5, 5)</td></tr>"));
    EXPECT_FALSE(Holds(page, "href=\"#difference-2\""));
    EXPECT_FALSE(Holds(page, "href=\"#difference-3\""));

    // The mark stands at the difference's point on that sheet's drawing only.
    const std::string marked = ReadFile(FDir / "ws" / "\xD0\x90\xD0\x91.svg");
    EXPECT_TRUE(Holds(marked, "<g class=\"connectivity\">\n  <title>C1: net &quot;SENSE&quot;"))
        << marked;
    EXPECT_FALSE(Holds(ReadFile(FDir / "ws" / "Main.svg"), "class=\"connectivity\""));
}

TEST_F(ConnectivityListingTest, AnImportWithoutACheckHasNoConnectivitySection) {
    view::TViewOptions options;
    Save(FDir / "ws", options);
    const std::string page = ReadFile(FDir / "ws" / "index.html");
    EXPECT_FALSE(Holds(page, "id=\"connectivity\""));
    EXPECT_FALSE(Holds(page, "Connectivity ("));
}

TEST_F(ConnectivityListingTest, TheListingIsTheSameOnEverySave) {
    Save(FDir / "one", Checked());
    Save(FDir / "two", Checked());
    EXPECT_EQ(ReadFile(FDir / "one" / "index.html"), ReadFile(FDir / "two" / "index.html"));
    EXPECT_EQ(ReadFile(FDir / "one" / "\xD0\x90\xD0\x91.svg"),
              ReadFile(FDir / "two" / "\xD0\x90\xD0\x91.svg"));
}

}  // namespace
