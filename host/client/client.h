// The host's client: the open documents and their views, the current view, the "Sch" server
// module, the text editor, and the host processes ("Client:...") that plug-ins run through the
// schematic editor's SchAPI_SendCommand.
//
// Every document lives in one workspace folder: its file name is the workspace path followed by
// a file name made from the document's name (no separators, no control characters, unique), so
// that what a plug-in writes beside the current document lands in the workspace.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ClientAPI.h"
#include "common_dialog.h"
#include "editor_modules.h"
#include "host_document.h"
#include "interface_object.h"
#include "sch_server_module.h"

namespace qelsch {
class SchEditor;
}

namespace client {

// The handle the client gives as the owner of plug-in dialogs.
inline constexpr uint32_t kMainWindowHandle = 1;

// A document name made safe as a file name: path separators, ':' and control characters become
// '_', a name of only dots or an empty one becomes "Untitled", and it is cut to 200 bytes.
std::string SafeFileName(std::string_view name);

// The kind of document the client opens a file as, by its extension (any letter case):
// ".SchDoc" "Sch", ".SchLib" "SchLib", ".rpt", ".txt" and ".log" "Text"; "" for any other.
std::string DocumentKindOfFile(std::string_view path);

class TClient final : public TInterfacedObject<IClient> {
  public:
    // Installs itself as the editor's handler of "Client:" commands until it is destroyed.
    TClient(qelsch::SchEditor& editor, std::filesystem::path workspace);
    ~TClient();
    TClient(const TClient&) = delete;
    TClient& operator=(const TClient&) = delete;

    IHostView* GetCurrentView() override;
    uint32_t GetMainWindowHandle() override { return kMainWindowHandle; }
    // "Sch" (any letter case): the schematic editor's server module; null for any other name.
    IServerModule* GetServerModule(const char* moduleName) override;
    IHostDocument* FindOpenDocument(const char* path) override;
    std::string GetDocumentKindOfFile(const char* path) override;
    // An open document of that path, else a text document over an existing file; null for
    // other kinds (the client does not read schematic files from disk) and missing files.
    IHostDocument* OpenDocument(const char* kind, const char* path) override;
    // Makes the document the current view; a schematic document also becomes the editor's
    // current document. A document the client does not hold is ignored.
    void ShowDocument(IHostDocument* document) override;

    // A new, empty editor document of kind "Sch" or "SchLib" (any letter case) named Name, in
    // the workspace; null for another kind or when the editor refuses it.
    THostDocument* CreateSchematicDocument(std::string_view kind, std::string_view name);
    // Closes a document (in the editor too); the current view moves to the last one opened.
    void CloseDocument(THostDocument& document);

    // The file exists, or an open document has this file name (what is open counts as a file
    // of the workspace before it is saved).
    bool FileExists(std::string_view path) const;
    // Runs a "Client:" host process; the result is SchAPI_SendCommand's.
    int32_t RunProcess(std::string_view command, char* parameters, uint16_t bufferSize);
    // Remembers the last path a plug-in bound a text file to (its report).
    void RecordAssignedFile(std::string path) { FLastAssignedFile = std::move(path); }
    const std::string& LastAssignedFile() const { return FLastAssignedFile; }
    // Called whenever a text document is shown (the command prints the report there).
    void OnShowText(std::function<void(const THostDocument&)> sink) {
        FOnShowText = std::move(sink);
    }

    const std::filesystem::path& Workspace() const { return FWorkspace; }
    const std::vector<std::unique_ptr<THostDocument>>& Documents() const { return FDocuments; }
    THostDocument* CurrentDocument() const { return FCurrent; }
    TCommonDialog& CommonDialog() { return FCommonDialog; }
    qelsch::SchEditor& Editor() { return FEditor; }

  private:
    THostDocument* Find(const IHostDocument* document) const;
    THostDocument* FindByPath(std::string_view path) const;
    std::string UniqueFileName(std::string_view name, std::string_view extension) const;

    qelsch::SchEditor& FEditor;
    std::filesystem::path FWorkspace;
    TSchServerModule FSchServer{*this};
    TSchEditorModule FSchEditorModule;
    TTextEditorModule FTextEditorModule;
    TCommonDialog FCommonDialog;
    std::vector<std::unique_ptr<THostDocument>> FDocuments;  // in opening order
    THostDocument* FCurrent = nullptr;
    std::string FLastAssignedFile;
    std::function<void(const THostDocument&)> FOnShowText;
};

// The client that the main program's flat functions (ClientAPI_*, VFSAPI_*) serve; null for
// none, and then they answer false or an empty text.
void SetFlatApiClient(TClient* client);
TClient* FlatApiClient();

}  // namespace client
