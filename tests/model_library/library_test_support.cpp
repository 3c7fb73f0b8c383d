#include "library_test_support.h"

#include <fstream>
#include <random>

#include "frame/client_procs.h"
#include "frame/import_driver.h"
#include "frame/sch_procs.h"
#include "reader/keywords.h"

namespace library_test {

std::filesystem::path WriteTempFile(const std::string& text, const std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    const auto folder =
        std::filesystem::temp_directory_path() / ("library_test_" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string LibraryFile(std::string_view library) {
    std::string text =
        "NIMBO_ASCII \"test.lia\"\r\n(asciiHeader (asciiVersion 3 0) (fileUnits Mil))\r\n";
    text += "(library \"lib\"\r\n" + std::string(library) + "\r\n)\r\n";
    return text;
}

// ---- TSectionReader ------------------------------------------------------------------------

TSectionReader::TSectionReader(const std::string& text) : FPath(WriteTempFile(text, "s.txt")) {
    FParser = std::make_unique<TNimboParser>(FPath.string());
    RegisterKeywords(*FParser);
    FRoot.FParser = FParser.get();
    FRoot.FSchematicUnits = true;
}

TSectionReader::~TSectionReader() {
    FParser.reset();
    std::error_code ignored;
    std::filesystem::remove_all(FPath.parent_path(), ignored);
}

void TSectionReader::Start() {
    ASSERT_EQ(FParser->NextToken(), tokOpen);
    ASSERT_GT(FParser->NextToken(), 0) << "a keyword opens the section";
}

// ---- LibraryImport -------------------------------------------------------------------------

namespace {

std::vector<std::string> gCommands;
SchAPI_SendCommand_t gEditorSendCommand = nullptr;

int32_t RecordingSendCommand(const char* command, char* parameters, uint16_t bufferSize,
                             SchHandle window) {
    std::string text = command;
    if (text.starts_with("Sch:")) gCommands.push_back(text);
    return gEditorSendCommand(command, parameters, bufferSize, window);
}

std::vector<std::string> Texts(const TReportList& list) {
    std::vector<std::string> texts;
    for (const auto& entry : list) texts.push_back(entry.Text);
    return texts;
}

}  // namespace

void LibraryImport::SetUp() {
    qelsch::Editor().Reset();
    FWorkspace = WriteTempFile("", "placeholder").parent_path();
    FClient = std::make_unique<client::TClient>(qelsch::Editor(), FWorkspace);
    SetModuleClient(FClient.get());
    ASSERT_TRUE(BindSchematicApi());
    gCommands.clear();
    gEditorSendCommand = schapi::Table().SendCommand;
    schapi::Table().SendCommand = RecordingSendCommand;
}

void LibraryImport::TearDown() {
    schapi::ResetTable();
    SetModuleClient(nullptr);
    FClient.reset();
    qelsch::Editor().Reset();
    std::error_code ignored;
    std::filesystem::remove_all(FWorkspace, ignored);
}

void LibraryImport::Import(const std::string& text) {
    const auto path = FWorkspace / "input.lia";
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_TRUE(ImportNimboFile(path.string(), FReport));
}

std::vector<const qelsch::Document*> LibraryImport::LibraryDocuments() const {
    std::vector<const qelsch::Document*> documents;
    for (const auto& info : qelsch::Editor().ListDocuments()) {
        if (info.kind == qelsch::DocumentKind::Library) {
            documents.push_back(qelsch::Editor().FindDocument(info.handle));
        }
    }
    return documents;
}

const qelsch::Document& LibraryImport::Library() const {
    const auto documents = LibraryDocuments();
    if (documents.size() != 1) {
        ADD_FAILURE() << documents.size() << " library documents";
        static const qelsch::Document none;
        return none;
    }
    return *documents.front();
}

const qelsch::LibraryComponent* LibraryImport::Component(std::string_view name) const {
    for (SchHandle handle : Library().components) {
        const qelsch::LibraryComponent* component = qelsch::Editor().FindComponent(handle);
        if (component && component->name == name) return component;
    }
    return nullptr;
}

size_t LibraryImport::DrawnCount(const qelsch::LibraryComponent& component, int part,
                                 qelsch::DisplayMode mode) const {
    if (part < 1 || static_cast<size_t>(part) > component.parts.size()) return 0;
    return component.parts[part - 1].In(mode).size();
}

std::vector<std::string> LibraryImport::ImportWarnings() const {
    return Texts(FReport.ImportWarnings);
}

const std::vector<std::string>& LibraryImport::Commands() const {
    return gCommands;
}

}  // namespace library_test
