#include "whole_road.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "ClientAPI.h"
#include "client.h"
#include "editor.h"
#include "frame/client_procs.h"
#include "frame/import_driver.h"
#include "frame/sch_procs.h"
#include "platform/dialog_driver.h"

namespace robust {

namespace fs = std::filesystem;

void PrepareWholeRoad() {
    // Every dialog closes with its default result, as the command's batch mode does, and is
    // forgotten after each import.
    platform::SetDialogMode(platform::TDialogMode::Scripted);
    BindClientApi();
    BindSchematicApi();
}

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TRoadResult RunWholeRoad(const fs::path& file, const fs::path& workspace) {
    TRoadResult result;
    qelsch::SchEditor& editor = qelsch::Editor();
    editor.Reset();
    std::error_code error;
    fs::remove_all(workspace, error);
    fs::create_directories(workspace, error);
    {
        client::TClient host(editor, workspace);
        client::SetFlatApiClient(&host);
        SetModuleClient(&host);

        const std::string path = file.string();
        const bool design = IsNimboDesignFile(path);
        result.Library = !design && IsNimboLibraryFile(path);
        result.Valid = design || result.Library;

        // The command road, as the host takes it: a blank document of the kind in the active
        // view, the server module, the command with the file's name.
        client::THostDocument* blank =
            host.CreateSchematicDocument(result.Library ? "SchLib" : "Sch", "blank");
        host.ShowDocument(blank);
        IServerModule* server = nullptr;
        ServerFactory(&server, &host);
        if (server) {
            const std::string parameters = "FileName=" + path;
            server->GetCommandLauncher()->LaunchCommand(
                result.Library ? "LoadZORVANSchLib" : "LoadZORVANSchFile", parameters.c_str(), 0,
                host.GetCurrentView());
            server->Release();
        }
        if (blank && editor.CountObjects(blank->EditorHandle()) == 0) host.CloseDocument(*blank);
        for (const auto& document : host.Documents())
            if (document->IsSchematic()) ++result.Documents;
        result.Saved = editor.SaveWorkspace(workspace, {}).ok();
        if (!host.LastAssignedFile().empty()) result.Report = ReadText(host.LastAssignedFile());

        SetModuleClient(nullptr);
        client::SetFlatApiClient(nullptr);
    }
    platform::ClearScriptedDialogs();
    editor.Reset();
    return result;
}

TRoadResult RunWholeRoadOnBytes(const uint8_t* data, size_t size, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path file = folder / "input.sch";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    return RunWholeRoad(file, folder / "workspace");
}

}  // namespace robust
