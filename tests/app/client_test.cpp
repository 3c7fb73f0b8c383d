// The host client behind zorvan-import: what the import module relies on when it opens
// documents, writes its report beside the current one, opens the report and asks for a file.
#include "client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "SchAPI.h"
#include "editor.h"

namespace fs = std::filesystem;

namespace {

class ClientTest : public testing::Test {
  protected:
    void SetUp() override {
        qelsch::Editor().Reset();
        std::string pattern = (fs::temp_directory_path() / "zorvan-client-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FWorkspace = pattern;
        FClient = std::make_unique<client::TClient>(qelsch::Editor(), FWorkspace);
        client::SetFlatApiClient(FClient.get());
    }
    void TearDown() override {
        FClient.reset();
        qelsch::Editor().Reset();
        fs::remove_all(FWorkspace);
    }

    fs::path FWorkspace;
    std::unique_ptr<client::TClient> FClient;
};

TEST(ClientNames, DocumentNamesBecomeFileNamesInsideTheWorkspace) {
    const std::pair<const char*, const char*> cases[] = {
        {"Sheet1", "Sheet1"},
        {"../../etc/passwd", ".._.._etc_passwd"},
        {"a\\b:c", "a_b_c"},
        {"..", "Untitled"},
        {"", "Untitled"},
        {"tab\there", "tab_here"},
        {"LED_Driver.prj", "LED_Driver.prj"},
    };
    for (const auto& [name, safe] : cases) EXPECT_EQ(client::SafeFileName(name), safe) << name;
    EXPECT_EQ(client::SafeFileName(std::string(1000, 'x')).size(), 200u);
}

TEST(ClientNames, KindOfFileFollowsTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/w/a.SchDoc", "Sch"},    {"/w/a.schdoc", "Sch"},
        {"/w/a.SchLib", "SchLib"}, {"/w/a.rpt", "Text"},
        {"/w/a.TXT", "Text"},      {"/w/a.sch", ""},
        {"/w.rpt/a", ""},          {"", ""},
    };
    for (const auto& [path, kind] : cases)
        EXPECT_EQ(client::DocumentKindOfFile(path), kind) << path;
}

TEST(ClientFlatFunctions, PathPartsAndExtensions) {
    char out[kClientApiBufferSize];
    const std::tuple<const char*, const char*, const char*> extensions[] = {
        {"/ws/demo.sch", "rpt", "/ws/demo.rpt"},
        {"demo", "rpt", "demo.rpt"},
        {"/ws.v2/demo", "rpt", "/ws.v2/demo.rpt"},  // a dot in a folder is no extension
        {"a.b.c", "rpt", "a.b.rpt"},
        {"a.sch", "", "a"},
    };
    for (const auto& [name, extension, expected] : extensions) {
        ClientAPI_ForceFileNameExtension(name, extension, out);
        EXPECT_STREQ(out, expected) << name;
    }
    VFSAPI_VFS_ExtractFilePath("/ws/Main.SchDoc", out);
    EXPECT_STREQ(out, "/ws/");
    VFSAPI_VFS_ExtractFilePath("Main.SchDoc", out);
    EXPECT_STREQ(out, "");
    VFSAPI_VFS_ExtractFileName("/ws/Main.SchDoc", out);
    EXPECT_STREQ(out, "Main.SchDoc");
    ClientAPI_ExtractFileNameFromPath(nullptr, out);
    EXPECT_STREQ(out, "");
}

TEST(ClientFlatFunctions, LongAnswersAreCutToTheBuffer) {
    std::string longPath = "/" + std::string(6000, 'd') + "/name";
    std::vector<char> out(kClientApiBufferSize + 16, '#');
    VFSAPI_VFS_ExtractFilePath(longPath.c_str(), out.data());
    EXPECT_EQ(std::string(out.data()).size(), size_t{kClientApiBufferSize - 1});
    EXPECT_EQ(out[kClientApiBufferSize], '#');  // nothing written past the buffer
    TVfsTextFile file{};
    VFSAPI_VFSAssign(&file, longPath.c_str());
    EXPECT_EQ(std::string(file.path).size(), sizeof file.path - 1);
}

TEST(ClientFlatFunctions, WithoutClientTheyAnswerNothing) {
    client::SetFlatApiClient(nullptr);
    IClient* client = reinterpret_cast<IClient*>(1);
    EXPECT_FALSE(ClientAPI_GetClientInterface(&client));
    EXPECT_EQ(client, nullptr);
    EXPECT_FALSE(ClientAPI_ExistSpecific("/"));
    EXPECT_FALSE(VFSAPI_VFS_FileExists(nullptr));
}

TEST_F(ClientTest, NewDocumentsLiveInTheWorkspaceAndShowingOneMakesItCurrent) {
    IServerModule* sch = FClient->GetServerModule("sch");
    ASSERT_NE(sch, nullptr);
    EXPECT_EQ(FClient->GetServerModule("Pcb"), nullptr);
    EXPECT_EQ(sch->CreateDocument("Pcb", "Board"), nullptr);

    IHostDocument* first = sch->CreateDocument("Sch", "Sheet/1");
    IHostDocument* second = sch->CreateDocument("Sch", "Sheet/1");
    IHostDocument* library = sch->CreateDocument("SchLib", "Parts");
    ASSERT_TRUE(first && second && library);
    EXPECT_EQ(sch->GetDocumentCount(), 3);
    EXPECT_EQ(fs::path(first->GetFileName()).parent_path(), FWorkspace);
    EXPECT_EQ(fs::path(first->GetFileName()).filename(), "Sheet_1.SchDoc");
    EXPECT_NE(first->GetFileName(), second->GetFileName());
    EXPECT_EQ(library->GetKind(), "SchLib");
    EXPECT_EQ(first->GetEditorModule()->GetModuleName(), "Sch");

    // The plug-in asks for the new document's handle right after showing it.
    FClient->ShowDocument(second);
    EXPECT_EQ(FClient->GetCurrentView()->GetDocument(), second);
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(),
              static_cast<client::THostDocument*>(second)->EditorHandle());
    FClient->ShowDocument(library);
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(),
              static_cast<client::THostDocument*>(library)->EditorHandle());
}

TEST_F(ClientTest, OpenDocumentsCountAsFilesSoTheReportGoesBesideThem) {
    IHostDocument* sheet = FClient->GetServerModule("Sch")->CreateDocument("Sch", "Main");
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(fs::exists(sheet->GetFileName()));
    EXPECT_TRUE(VFSAPI_VFS_FileExists(sheet->GetFileName().c_str()));
    EXPECT_TRUE(ClientAPI_ExistSpecific(sheet->GetFileName().c_str()));
    EXPECT_FALSE(VFSAPI_VFS_FileExists((FWorkspace / "Other.SchDoc").c_str()));

    TVfsTextFile file{};
    std::string report = (FWorkspace / "demo.rpt").string();
    VFSAPI_VFSAssign(&file, report.c_str());
    EXPECT_EQ(FClient->LastAssignedFile(), report);
}

TEST_F(ClientTest, TheReportOpensInTheTextEditorWithItsCursorOnTop) {
    const fs::path report = FWorkspace / "demo.rpt";
    EXPECT_EQ(FClient->OpenDocument("Text", report.c_str()), nullptr);  // not written yet
    std::ofstream(report) << "line one\r\nline two\r\n";

    std::vector<std::string> shown;
    FClient->OnShowText([&](const client::THostDocument& d) { shown = d.Lines(); });
    ASSERT_EQ(FClient->GetDocumentKindOfFile(report.c_str()), "Text");
    IHostDocument* text = FClient->OpenDocument("Text", report.c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(FClient->FindOpenDocument(report.c_str()), text);
    EXPECT_EQ(FClient->OpenDocument("Sch", (FWorkspace / "x.SchDoc").c_str()), nullptr);

    FClient->ShowDocument(text);
    EXPECT_EQ(shown, (std::vector<std::string>{"line one", "line two"}));
    auto& document = *static_cast<client::THostDocument*>(text);
    document.SetCursorLine(5);
    IEditorModule* editor = text->GetEditorModule();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetModuleName(), "TextEdit");
    EXPECT_EQ(editor->RunProcess(text->GetView(0), "TextEdit:MoveCursorToTopOfDocument", 0, 0), 1);
    EXPECT_EQ(document.CursorLine(), 0);
    EXPECT_EQ(editor->RunProcess(text->GetView(0), "TextEdit:Unknown", 0, 0), 0);
    EXPECT_EQ(text->GetView(1), nullptr);

    // A second import rewrites the report: reloading shows the new text.
    std::ofstream(report) << "fresh\r\n";
    text->Reload();
    EXPECT_EQ(document.Lines(), std::vector<std::string>{"fresh"});
}

TEST_F(ClientTest, FileDialogAnswersThroughTheEditorsSendCommand) {
    const std::string request =
        "Dialog=FileOpenSave|Mode=0|Prompt=ZORVAN Schematic File|DocumentType=All|"
        "FileType1=ZORVAN ASCII Schematic Files (*.sch)|FileType2=All Files (*.*)|Path=/in/a.txt";
    client::TCommonDialog& dialog = FClient->CommonDialog();
    dialog.SetMode(client::TCommonDialogMode::Scripted);
    dialog.ScriptAnswer("/in/chosen.sch");
    dialog.ScriptAnswer(std::nullopt);

    for (const char* expected :
         {"Result=True|Path=/in/chosen.sch", "Result=False", "Result=False" /* nothing queued */}) {
        char buffer[4096] = {};
        request.copy(buffer, sizeof buffer - 1);
        SchAPI_SendCommand("Client:RunCommonDialog", buffer, sizeof buffer, 0);
        EXPECT_STREQ(buffer, expected);
    }
    ASSERT_EQ(dialog.Requests().size(), 3u);
    EXPECT_EQ(dialog.Requests()[0].Prompt, "ZORVAN Schematic File");
    EXPECT_EQ(dialog.Requests()[0].Path, "/in/a.txt");
    EXPECT_EQ(dialog.Requests()[0].FileTypes.size(), 2u);
}

TEST(CommonDialog, AnswersThatDoNotFitOrCannotBeWrittenAreCancellations) {
    client::TCommonDialog dialog;
    dialog.SetMode(client::TCommonDialogMode::Scripted);
    dialog.ScriptAnswer(std::string(100, 'p'));
    dialog.ScriptAnswer("/a|b.sch");
    for (int i = 0; i < 2; ++i) {
        char buffer[64] = "Path=x";
        dialog.Run(buffer, sizeof buffer);
        EXPECT_STREQ(buffer, "Result=False");
    }
    client::TCommonDialog batch;
    batch.SetMode(client::TCommonDialogMode::Batch);
    char buffer[64] = "Path=/in/a.sch";
    batch.Run(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Result=False");
}

TEST(CommonDialog, TerminalTakesTheTypedPathTheOfferedOneOrCancelsAtEndOfInput) {
    struct Case {
        std::string Typed;
        std::string Answer;
    };
    const Case cases[] = {
        {"/typed/b.sch\n", "Result=True|Path=/typed/b.sch"},
        {"\n", "Result=True|Path=/in/a.sch"},
        {"", "Result=False"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.Typed);
        std::ostringstream out;
        client::TCommonDialog dialog;
        dialog.SetMode(client::TCommonDialogMode::Terminal);
        dialog.SetTerminal(in, out);
        char buffer[256] = "Prompt=ZORVAN Schematic File|Path=/in/a.sch";
        dialog.Run(buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer), c.Answer) << c.Typed;
        EXPECT_NE(out.str().find("ZORVAN Schematic File [/in/a.sch]: "), std::string::npos);
    }
}

}  // namespace
