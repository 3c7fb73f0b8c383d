#include "design_import.h"

#include <fstream>
#include <random>

#include "frame/client_procs.h"
#include "frame/import_driver.h"
#include "frame/sch_procs.h"

namespace design_test {

std::string DesignFile(std::string_view library, std::string_view netlist,
                       std::string_view design) {
    std::string text =
        "NIMBO_ASCII \"test.sch\"\n(asciiHeader (asciiVersion 3 0) (fileUnits Mil))\n";
    text += "(library \"lib\"\n" + std::string(library) + ")\n";
    text += "(netlist \"net\"\n" + std::string(netlist) + ")\n";
    text += "(schematicDesign \"design\"\n" + std::string(design) + ")\n";
    return text;
}

std::filesystem::path WriteTempFile(const std::string& text, const std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    const auto folder =
        std::filesystem::temp_directory_path() / ("design_test_" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void DesignImport::SetUp() {
    FReport = TReportManager();
    qelsch::Editor().Reset();
    FWorkspace = WriteTempFile("", "placeholder").parent_path();
    FClient = std::make_unique<client::TClient>(qelsch::Editor(), FWorkspace);
    SetModuleClient(FClient.get());
    ASSERT_TRUE(BindSchematicApi());
}

void DesignImport::TearDown() {
    SetModuleClient(nullptr);
    FClient.reset();
    qelsch::Editor().Reset();
    std::error_code ignored;
    std::filesystem::remove_all(FWorkspace, ignored);
}

void DesignImport::Import(const std::string& text) {
    const auto path = FWorkspace / "input.sch";
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_TRUE(ImportNimboFile(path.string(), FReport));
}

const qelsch::Document* DesignImport::Document(std::string_view name) const {
    for (const auto& info : qelsch::Editor().ListDocuments()) {
        if (info.name == name) return qelsch::Editor().FindDocument(info.handle);
    }
    return nullptr;
}

std::vector<std::string> DesignImport::DocumentNames() const {
    std::vector<std::string> names;
    for (const auto& info : qelsch::Editor().ListDocuments()) {
        if (info.kind == qelsch::DocumentKind::Sheet) names.push_back(info.name);
    }
    return names;
}

const qelsch::Text* DesignImport::TextObject(SchHandle handle) const {
    const qelsch::SchObject* object = qelsch::Editor().FindObject(handle);
    return object ? object->As<qelsch::Text>() : nullptr;
}

namespace {
std::vector<std::string> Texts(const TReportList& list) {
    std::vector<std::string> texts;
    for (const auto& entry : list) texts.push_back(entry.Text);
    return texts;
}
}  // namespace

std::vector<std::string> DesignImport::LoadWarnings() const {
    return Texts(FReport.LoadWarnings);
}
std::vector<std::string> DesignImport::ImportWarnings() const {
    return Texts(FReport.ImportWarnings);
}

}  // namespace design_test
