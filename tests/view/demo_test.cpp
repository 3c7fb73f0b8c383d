// The example design and library imported through the real module and host client: every
// drawing is well-formed and renders, the page refers only to files that exist, the project
// sheet leads to its sheets, and two imports give byte-identical drawings and pages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = EXAMPLES;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Every file the view wrote (SVG and HTML), relative to the workspace, with its bytes.
std::map<std::string, std::string> Drawings(const fs::path& workspace) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(workspace)) {
        const fs::path& path = entry.path();
        if (path.extension() == ".svg" || path.extension() == ".html")
            files[path.lexically_relative(workspace).generic_string()] = ReadFile(path);
    }
    return files;
}

class ViewDemoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() /
               ("view-demo-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        fs::create_directories(FDir);
    }
    void TearDown() override { fs::remove_all(FDir); }

    // Imports an example into a fresh workspace; the import's own output goes to a log.
    fs::path Import(const std::string& example, const std::string& workspace, bool library) {
        const fs::path folder = FDir / workspace;
        const std::string command = "ZORVAN_DIALOGS=batch '" + std::string(VIEW_DEMO_IMPORT) +
                                    "' '" + (kExamples / example).string() + "' '" +
                                    folder.string() + "'" + (library ? " --library" : "") + " >'" +
                                    (FDir / (workspace + ".log")).string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(FDir / (workspace + ".log"));
        return folder;
    }

    fs::path FDir;
};

TEST_F(ViewDemoTest, EveryDrawingRendersAndThePageRefersOnlyToWrittenFiles) {
    const fs::path design = Import("demo.sch", "design", false);
    const fs::path library = Import("demo.lia", "library", true);
    const bool canRender = HaveProgram("rsvg-convert");
    for (const fs::path& workspace : {design, library}) {
        const std::map<std::string, std::string> files = Drawings(workspace);
        ASSERT_TRUE(files.contains("index.html")) << workspace;
        size_t drawings = 0;
        for (const auto& [name, text] : files) {
            if (!name.ends_with(".svg")) continue;
            ++drawings;
            EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "))
                << name;
            if (!canRender) continue;
            // rsvg-convert refuses a document that is not well-formed XML.
            const fs::path png = FDir / "rendered.png";
            const std::string command =
                "rsvg-convert -o '" + png.string() + "' '" + (workspace / name).string() + "' 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << name;
            EXPECT_GT(fs::file_size(png), 100u) << name;
        }
        EXPECT_GT(drawings, 0u);

        // Every relative src and href of the page names a file that exists.
        const std::string& page = files.at("index.html");
        const std::regex reference(R"re((?:src|href)="([^"#][^"]*)")re");
        size_t references = 0;
        for (auto match = std::sregex_iterator(page.begin(), page.end(), reference);
             match != std::sregex_iterator(); ++match) {
            ++references;
            EXPECT_TRUE(fs::exists(workspace / (*match)[1].str())) << (*match)[1];
        }
        EXPECT_GT(references, drawings);
    }
    if (!canRender) GTEST_SKIP() << "rsvg-convert is not installed; drawings were not rendered";
}

TEST_F(ViewDemoTest, DesignDrawingsShowSheetsComponentsLinksAndMarkedWarnings) {
    const fs::path design = Import("demo.sch", "design", false);
    const std::map<std::string, std::string> files = Drawings(design);
    for (const char* name : {"Input.svg", "Output.svg", "LED_Driver.prj.svg", "Demo_Title.svg",
                             "components/demo.sch/LM358-part1-normal.svg",
                             "components/demo.sch/LM358-part2-normal.svg"}) {
        EXPECT_TRUE(files.contains(name)) << name;
    }
    // The project sheet's symbols lead to their sheets, in the drawing and on the page.
    const std::string& project = files.at("LED_Driver.prj.svg");
    EXPECT_NE(project.find("<a href=\"Input.svg\">"), std::string::npos);
    EXPECT_NE(project.find("<a href=\"Output.svg\">"), std::string::npos);
    const std::string& page = files.at("index.html");
    EXPECT_NE(page.find("class=\"sheet-link\""), std::string::npos);
    // Every located warning of the report is marked on some sheet.
    size_t marks = 0;
    for (const auto& [name, text] : files) {
        for (size_t at = text.find("class=\"warning\""); at != std::string::npos;
             at = text.find("class=\"warning\"", at + 1))
            ++marks;
    }
    EXPECT_EQ(marks, 8u);  // five net labels and three ports
    EXPECT_EQ(page.find("Parts whose library component was not found"), std::string::npos);
}

TEST_F(ViewDemoTest, TwoImportsOfTheSameFileGiveIdenticalDrawingsAndPage) {
    const std::map<std::string, std::string> first = Drawings(Import("demo.sch", "first", false));
    const std::map<std::string, std::string> second = Drawings(Import("demo.sch", "second", false));
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, text] : first) {
        ASSERT_TRUE(second.contains(name)) << name;
        if (name == "index.html") {
            // The page's title is the workspace folder's name.
            EXPECT_EQ(std::regex_replace(text, std::regex("first"), "second"), second.at(name));
        } else {
            EXPECT_EQ(text, second.at(name)) << name;
        }
    }
}

}  // namespace
