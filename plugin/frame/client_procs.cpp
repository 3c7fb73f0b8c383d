#include "frame/client_procs.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace clientapi {

TClientApiTable& Table() {
    static TClientApiTable table;
    return table;
}

void ResetTable() {
    Table() = TClientApiTable{};
}

namespace {

// Calls a host function that fills a 4096-byte text buffer; empty text when unbound.
template <class Fn, class... Args>
std::string TextFromHost(Fn fn, Args... args) {
    if (fn == nullptr) return {};
    std::vector<char> buffer(kClientApiBufferSize, '\0');
    fn(args..., buffer.data());
    buffer.back() = '\0';  // a host that fills the whole buffer still leaves us a terminated text
    return std::string(buffer.data());
}

}  // namespace

bool ExistSpecific(const std::string& path) {
    auto fn = Table().ClientAPI_ExistSpecific;
    return fn != nullptr && fn(path.c_str());
}

std::string ExtractFileNameFromPath(const std::string& path) {
    return TextFromHost(Table().ClientAPI_ExtractFileNameFromPath, path.c_str());
}

std::string ForceFileNameExtension(const std::string& name, const std::string& extension) {
    return TextFromHost(Table().ClientAPI_ForceFileNameExtension, name.c_str(), extension.c_str());
}

bool VfsFileExists(const std::string& path) {
    auto fn = Table().VFSAPI_VFS_FileExists;
    return fn != nullptr && fn(path.c_str());
}

std::string VfsExtractFilePath(const std::string& path) {
    return TextFromHost(Table().VFSAPI_VFS_ExtractFilePath, path.c_str());
}

std::string VfsExtractFileName(const std::string& path) {
    return TextFromHost(Table().VFSAPI_VFS_ExtractFileName, path.c_str());
}

bool VfsAssign(TVfsTextFile& file, const std::string& path) {
    auto fn = Table().VFSAPI_VFSAssign;
    if (fn == nullptr) return false;
    fn(&file, path.c_str());
    return true;
}

}  // namespace clientapi

namespace {

IClient* gModuleClient = nullptr;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

IClient* ModuleClient() {
    return gModuleClient;
}

void SetModuleClient(IClient* client) {
    gModuleClient = client;
}

bool BindClientApi() {
    clientapi::ResetTable();
    // The main program's exports; it is always loaded, so this never loads anything.
    void* program = dlopen(nullptr, RTLD_NOW);
    if (program == nullptr) return false;
    auto& table = clientapi::Table();
#define ZORVAN_CLIENTAPI_BIND(ret, name, args) \
    table.name = reinterpret_cast<name##_t>(dlsym(program, #name));
    ZORVAN_CLIENTAPI_FUNCTIONS(ZORVAN_CLIENTAPI_BIND)
#undef ZORVAN_CLIENTAPI_BIND
    dlclose(program);
    if (table.ClientAPI_GetClientInterface == nullptr) return false;
    IClient* client = nullptr;
    if (!table.ClientAPI_GetClientInterface(&client)) return false;
    SetModuleClient(client);
    return client != nullptr;
}

void OpenReportInHost(const std::string& path) {
    IClient* client = ModuleClient();
    if (client == nullptr || !clientapi::ExistSpecific(path)) return;
    if (IHostDocument* open = client->FindOpenDocument(path.c_str())) {
        open->Reload();
        client->ShowDocument(open);
        IEditorModule* editor = open->GetEditorModule();
        if (editor != nullptr && EqualsIgnoringCase(editor->GetModuleName(), "TextEdit"))
            editor->RunProcess(open->GetView(0), "TextEdit:MoveCursorToTopOfDocument", 0, 0);
        return;
    }
    if (IHostDocument* opened =
            client->OpenDocument(client->GetDocumentKindOfFile(path.c_str()).c_str(), path.c_str()))
        client->ShowDocument(opened);
}

// Bind as soon as the module is loaded, before the host calls anything.
[[maybe_unused]] static const bool gClientBoundAtLoad = BindClientApi();
