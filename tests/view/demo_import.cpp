// Imports one file of the format into a workspace folder the way the command does (a blank
// document as the active view, the import module's command, the editor's JSON saving), then
// saves the drawings. The view tests run it on the example design and library.
//
// Usage: view_demo_import FILE WORKSPACE [--library]
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "ClientAPI.h"
#include "client.h"
#include "editor.h"
#include "workspace_view.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: view_demo_import FILE WORKSPACE [--library]\n");
        return 2;
    }
    const fs::path file = fs::absolute(argv[1]);
    const fs::path workspace = fs::absolute(argv[2]);
    const bool library = argc > 3 && std::string(argv[3]) == "--library";
    fs::create_directories(workspace);

    qelsch::SchEditor& editor = qelsch::Editor();
    client::TClient host(editor, workspace);
    client::SetFlatApiClient(&host);
    client::THostDocument* blank =
        host.CreateSchematicDocument(library ? "SchLib" : "Sch", file.stem().string());
    host.ShowDocument(blank);

    const fs::path modulePath = fs::path(ZORVAN_MODULE);
    void* module = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "view_demo_import: %s\n", dlerror());
        return 1;
    }
    auto factory = reinterpret_cast<ServerFactory_t>(dlsym(module, "ServerFactory"));
    IServerModule* server = nullptr;
    if (factory) factory(&server, &host);
    if (!server || !server->GetCommandLauncher()) {
        std::fprintf(stderr, "view_demo_import: the module offers no commands\n");
        return 1;
    }
    const std::string parameters = "FileName=" + file.string();
    server->GetCommandLauncher()->LaunchCommand(library ? "LoadZORVANSchLib" : "LoadZORVANSchFile",
                                                parameters.c_str(), 0, host.GetCurrentView());
    server->Release();
    if (editor.CountObjects(blank->EditorHandle()) == 0) host.CloseDocument(*blank);

    const qelsch::SaveResult saved = editor.SaveWorkspace(workspace, {});
    view::TViewOptions options;
    if (!host.LastAssignedFile().empty()) options.ReportFile = host.LastAssignedFile();
    const view::TViewResult drawn =
        view::SaveWorkspaceView(editor, workspace, saved.files, options);
    for (const std::string& error : saved.errors) std::fprintf(stderr, "%s\n", error.c_str());
    for (const std::string& error : drawn.Errors) std::fprintf(stderr, "%s\n", error.c_str());
    for (const view::TMissingPart& part : drawn.MissingParts)
        std::printf("missing part: %s\n", part.Describe().c_str());
    client::SetFlatApiClient(nullptr);
    return saved.ok() && drawn.ok() ? 0 : 1;
}
