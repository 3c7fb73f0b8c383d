#include "client.h"

#include <strings.h>

#include <algorithm>
#include <system_error>

#include "editor.h"

namespace client {

namespace {

namespace fs = std::filesystem;

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The path as the client compares it: made absolute, `.` and `..` folded.
std::string NormalPath(std::string_view path) {
    if (path.empty()) return {};
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) absolute = fs::path(path);
    return absolute.lexically_normal().string();
}

std::string Extension(std::string_view path) {
    size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

}  // namespace

std::string SafeFileName(std::string_view name) {
    std::string safe;
    for (char c : name.substr(0, 200)) {
        unsigned char byte = static_cast<unsigned char>(c);
        bool unsafe = byte < 0x20 || byte == 0x7f || c == '/' || c == '\\' || c == ':';
        safe += unsafe ? '_' : c;
    }
    if (safe.find_first_not_of('.') == std::string::npos) safe = "Untitled";
    return safe;
}

std::string DocumentKindOfFile(std::string_view path) {
    std::string extension = Extension(path);
    if (SameText(extension, ".SchDoc")) return "Sch";
    if (SameText(extension, ".SchLib")) return "SchLib";
    for (std::string_view text : {".rpt", ".txt", ".log"})
        if (SameText(extension, text)) return "Text";
    return {};
}

TClient::TClient(qelsch::SchEditor& editor, fs::path workspace)
    : FEditor(editor), FWorkspace(NormalPath(workspace.string())) {
    FEditor.SetClientCommandHook(
        [this](std::string_view command, char* parameters, uint16_t bufferSize) {
            return RunProcess(command, parameters, bufferSize);
        });
}

TClient::~TClient() {
    FEditor.SetClientCommandHook(nullptr);
    if (FlatApiClient() == this) SetFlatApiClient(nullptr);
}

IHostView* TClient::GetCurrentView() {
    return FCurrent ? &FCurrent->View() : nullptr;
}

IServerModule* TClient::GetServerModule(const char* moduleName) {
    return moduleName && SameText(moduleName, "Sch") ? &FSchServer : nullptr;
}

IHostDocument* TClient::FindOpenDocument(const char* path) {
    return path ? FindByPath(path) : nullptr;
}

std::string TClient::GetDocumentKindOfFile(const char* path) {
    return path ? DocumentKindOfFile(path) : std::string();
}

IHostDocument* TClient::OpenDocument(const char* kind, const char* path) {
    if (!kind || !path) return nullptr;
    if (THostDocument* open = FindByPath(path)) return open;
    std::error_code error;
    std::string file = NormalPath(path);
    if (!SameText(kind, "Text") || !fs::is_regular_file(file, error)) return nullptr;
    std::string name = fs::path(file).filename().string();
    FDocuments.push_back(std::make_unique<THostDocument>("Text", name, file, &FTextEditorModule));
    return FDocuments.back().get();
}

void TClient::ShowDocument(IHostDocument* document) {
    THostDocument* shown = Find(document);
    if (!shown) return;
    FCurrent = shown;
    if (shown->IsSchematic()) {
        FEditor.SetCurrentDocument(shown->EditorHandle());
    } else if (FOnShowText) {
        FOnShowText(*shown);
    }
}

THostDocument* TClient::CreateSchematicDocument(std::string_view kind, std::string_view name) {
    bool library = SameText(kind, "SchLib");
    if (!library && !SameText(kind, "Sch")) return nullptr;
    std::string file = UniqueFileName(name, library ? ".SchLib" : ".SchDoc");
    SchHandle handle = FEditor.CreateDocument(library ? "SchLib" : "Sch", name, file);
    if (handle == 0) return nullptr;
    FDocuments.push_back(std::make_unique<THostDocument>(
        library ? "SchLib" : "Sch", std::string(name), file, &FSchEditorModule, handle));
    return FDocuments.back().get();
}

void TClient::CloseDocument(THostDocument& document) {
    FSchServer.DestroyDocument(&document);
    if (document.IsSchematic()) FEditor.CloseDocument(document.EditorHandle());
    std::erase_if(FDocuments, [&](const auto& open) { return open.get() == &document; });
    if (FCurrent == &document) {
        FCurrent = nullptr;
        if (!FDocuments.empty()) ShowDocument(FDocuments.back().get());
    }
}

bool TClient::FileExists(std::string_view path) const {
    if (path.empty()) return false;
    if (FindByPath(path)) return true;
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

int32_t TClient::RunProcess(std::string_view command, char* parameters, uint16_t bufferSize) {
    if (SameText(command, "Client:RunCommonDialog"))
        return FCommonDialog.Run(parameters, bufferSize);
    return 1;
}

THostDocument* TClient::Find(const IHostDocument* document) const {
    for (const auto& open : FDocuments)
        if (open.get() == document) return open.get();
    return nullptr;
}

THostDocument* TClient::FindByPath(std::string_view path) const {
    std::string wanted = NormalPath(path);
    for (const auto& open : FDocuments)
        if (open->FileName() == wanted) return open.get();
    return nullptr;
}

std::string TClient::UniqueFileName(std::string_view name, std::string_view extension) const {
    std::string stem = SafeFileName(name);
    std::string file = (FWorkspace / (stem + std::string(extension))).string();
    for (int n = 2; FindByPath(file); ++n)
        file = (FWorkspace / (stem + "-" + std::to_string(n) + std::string(extension))).string();
    return file;
}

}  // namespace client
