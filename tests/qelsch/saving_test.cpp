// Saving the workspace: one JSON file per document, safe unique names, UTF-8, same bytes for the
// same store.
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "editor_fixture.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class SavingTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        FFolder = fs::temp_directory_path() /
                  ("qelsch-save-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FFolder);
    }
    void TearDown() override {
        fs::remove_all(FFolder);
        EditorTest::TearDown();
    }

    static std::string ReadFile(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static json ReadJson(const fs::path& file) { return json::parse(ReadFile(file)); }

    // A sheet with a part and a wire, and a library with a two-part component.
    void BuildSample(const std::string& name) {
        const SchHandle sheet = NewSheet(name);
        const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
        SchAPI_AddObjectToContainer(sheet, part);
        const SchHandle wire = SchAPI_CreateObjectEx(kSchKindWire);
        SchAPI_QueryVertexCount(kSchQueryWrite, wire, 2);
        int32_t x = 10, y = 20;
        SchAPI_QueryVertexAt(kSchQueryWrite, wire, 1, &x, &y);
        x = 50;
        SchAPI_QueryVertexAt(kSchQueryWrite, wire, 2, &x, &y);
        SchAPI_AddObjectToContainer(sheet, wire);

        const SchHandle library = NewLibrary("Lib");
        CreateComponent(library, "7400");
        AddLine(library, 0, 0, 0, 30);
        Command(library, "Sch:AddComponentPart");
        Command(library, "Sch:ToggleComponentDemorgan");
        AddPin(library, "1");
    }

    fs::path FFolder;
};

TEST_F(SavingTest, OneFilePerDocumentWithSafeUniqueNames) {
    const std::string names[] = {"a/b", "..",    "x:y",   std::string("ctl\x01\x1F"),
                                 "",    "Sheet", "sheet", "../../escape"};
    for (const std::string& name : names) NewSheet(name);
    const qelsch::SaveResult saved = editor().SaveWorkspace(FFolder, {});
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved.files.size(), std::size(names));

    std::vector<std::string> files;
    for (const qelsch::SavedDocument& file : saved.files) {
        EXPECT_EQ(file.file.parent_path(), FFolder);
        EXPECT_TRUE(fs::is_regular_file(file.file));
        files.push_back(file.file.filename().string());
    }
    EXPECT_EQ(files, (std::vector<std::string>{"a_b.json", "document.json", "x_y.json",
                                               "ctl__.json", "document-2.json", "Sheet.json",
                                               "sheet-2.json", "_.__escape.json"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()),
              static_cast<long>(std::size(names)))
        << "nothing written outside the listed files";
    // The name inside the file is the document's own.
    EXPECT_EQ(ReadJson(saved.files[7].file)["name"], "../../escape");
}

TEST_F(SavingTest, StringsAreConvertedByTheCodePageOption) {
    const SchHandle sheet = NewSheet("\xCF\xE8\xF2\xE0\xED\xE8\xE5");  // "Питание" in 1251
    const SchHandle label = SchAPI_CreateObjectEx(kSchKindNetLabel);
    TextBuffer text("\xC0\xC1");
    int32_t x = 0, y = 0, passThrough = 0;
    uint8_t orientation = 0, flag = 0;
    uint32_t color = 0;
    SchAPI_QueryNetLabel(kSchQueryWrite, label, &x, &y, &orientation, &color, &passThrough, &flag,
                         &text);
    SchAPI_AddObjectToContainer(sheet, label);

    struct Case {
        qelsch::CodePage codePage;
        std::string file, label;
    };
    const Case cases[] = {
        {qelsch::CodePage::Cp1251, "\xD0\x9F\xD0\xB8\xD1\x82\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5.json",
         "\xD0\x90\xD0\x91"},
        {qelsch::CodePage::Cp1252, "\xC3\x8F\xC3\xA8\xC3\xB2\xC3\xA0\xC3\xAD\xC3\xA8\xC3\xA5.json",
         "\xC3\x80\xC3\x81"},
        {qelsch::CodePage::Auto, "\xC3\x8F\xC3\xA8\xC3\xB2\xC3\xA0\xC3\xAD\xC3\xA8\xC3\xA5.json",
         "\xC3\x80\xC3\x81"},
    };
    for (const Case& c : cases) {
        fs::remove_all(FFolder);
        const qelsch::SaveResult saved = editor().SaveWorkspace(FFolder, {c.codePage});
        ASSERT_TRUE(saved.ok());
        ASSERT_EQ(saved.files.size(), 1u);
        EXPECT_EQ(saved.files[0].file.filename().string(), c.file);
        const json document = ReadJson(saved.files[0].file);  // throws on invalid UTF-8
        EXPECT_EQ(document["objects"][0]["text"], c.label);
    }
}

TEST_F(SavingTest, SameStoreGivesTheSameBytes) {
    BuildSample("Main");
    const qelsch::SaveResult first = editor().SaveWorkspace(FFolder / "one", {});
    const qelsch::SaveResult second = editor().SaveWorkspace(FFolder / "two", {});
    // The same sequence of calls in a fresh editor, whose handles then differ.
    editor().Reset();
    NewSheet("Warm-up");
    editor().CloseDocument(SchAPI_GetCurrentDocumentHandle());
    BuildSample("Main");
    const qelsch::SaveResult third = editor().SaveWorkspace(FFolder / "three", {});

    ASSERT_EQ(first.files.size(), 2u);
    ASSERT_EQ(third.files.size(), 2u);
    for (size_t i = 0; i < first.files.size(); ++i) {
        const std::string bytes = ReadFile(first.files[i].file);
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(ReadFile(second.files[i].file), bytes);
        EXPECT_EQ(ReadFile(third.files[i].file), bytes);
    }
}

TEST_F(SavingTest, SheetAndLibraryLayout) {
    BuildSample("Main");
    const qelsch::SaveResult saved = editor().SaveWorkspace(FFolder, {});
    ASSERT_EQ(saved.files.size(), 2u);

    const json sheet = ReadJson(saved.files[0].file);
    EXPECT_EQ(sheet["kind"], "Sch");
    EXPECT_EQ(sheet["name"], "Main");
    for (const char* key : {"sheetStyle", "useCustomSheet", "customX", "customY", "borderOn"}) {
        EXPECT_TRUE(sheet["options"].contains(key)) << key;
    }
    ASSERT_EQ(sheet["objects"].size(), 2u);
    const json& part = sheet["objects"][0];
    EXPECT_EQ(part["kind"], "part");
    EXPECT_EQ(part["designatorField"]["kind"], "text");
    EXPECT_TRUE(part["commentField"].is_object());
    EXPECT_TRUE(part["sheetFileNameField"].is_object());
    ASSERT_EQ(part["partFields"].size(), 16u);
    EXPECT_EQ(part["partFields"][15]["text"], "*");
    const json& wire = sheet["objects"][1];
    EXPECT_EQ(wire["kind"], "wire");
    EXPECT_EQ(wire["vertices"], json::parse("[[10, 20], [50, 20]]"));
    EXPECT_TRUE(wire["location"].is_array());

    const json library = ReadJson(saved.files[1].file);
    EXPECT_EQ(library["kind"], "SchLib");
    ASSERT_EQ(library["components"].size(), 1u);
    const json& component = library["components"][0];
    EXPECT_EQ(component["name"], "7400");
    EXPECT_EQ(component["texts"].size(), 31u);
    ASSERT_EQ(component["parts"].size(), 2u);
    EXPECT_EQ(component["parts"][0]["normal"][0]["kind"], "line");
    EXPECT_TRUE(component["parts"][0]["ieee"].empty());
    EXPECT_TRUE(component["parts"][1]["normal"].empty());
    EXPECT_EQ(component["parts"][1]["demorgan"][0]["kind"], "pin");
    EXPECT_EQ(component["parts"][1]["demorgan"][0]["designator"], "1");
}

TEST_F(SavingTest, AnUnwritableFolderIsReportedNotIgnored) {
    NewSheet("Main");
    fs::create_directories(FFolder);
    std::ofstream(FFolder / "file") << "x";
    const qelsch::SaveResult saved = editor().SaveWorkspace(FFolder / "file" / "sub", {});
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.files.empty());
}

}  // namespace
