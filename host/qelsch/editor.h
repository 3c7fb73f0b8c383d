// The schematic editor's in-process API, for the host's client (the main program links QelSch.so)
// and for whatever walks the store afterwards (drawers, checks, exporters).
//
// Plug-ins never use this: they reach the same store through the exported SchAPI_* functions
// (sdk/SchAPI.h). The editor is single-threaded, like the host's user-interface thread.
//
// Typical client use:
//   auto& editor = qelsch::Editor();
//   editor.SetClientCommandHook([&](std::string_view cmd, char* buf, uint16_t size) {...});
//   SchHandle doc = editor.CreateDocument("Sch", "Sheet1", "/ws/Sheet1.SchDoc");
//   editor.SetCurrentDocument(doc);          // what SchAPI_GetCurrentDocumentHandle returns
//   ... the plug-in imports ...
//   qelsch::SaveResult saved = editor.SaveWorkspace("/ws", {});
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SchAPI.h"
#include "bounding_rectangle.h"
#include "code_page.h"
#include "document.h"
#include "library_component.h"
#include "sch_objects.h"

namespace qelsch {

// Receives the "Client:..." commands that plug-ins send through SchAPI_SendCommand, with the
// command text, its parameter buffer (in/out, may be null) and the buffer's size in bytes
// (4096 for "Client:RunCommonDialog"). The hook must not write more than `bufferSize` bytes
// and must leave the buffer NUL-terminated. Its result is SchAPI_SendCommand's result.
using ClientCommandHook =
    std::function<int32_t(std::string_view command, char* parameters, uint16_t bufferSize)>;

// One entry of ListDocuments.
struct DocumentInfo {
    SchHandle handle = 0;
    DocumentKind kind = DocumentKind::Sheet;
    std::string name;
    std::string path;
};

struct SaveOptions {
    CodePage codePage = CodePage::Auto;  // how the stored strings' bytes are read
};

// One document file written by SaveWorkspace.
struct SavedDocument {
    SchHandle document = 0;
    std::filesystem::path file;
};

struct SaveResult {
    std::vector<SavedDocument> files;  // in document creation order
    std::vector<std::string> errors;   // files that could not be written, with the reason
    bool ok() const { return errors.empty(); }
};

class ObjectStore;

class SchEditor {
  public:
    SchEditor();
    ~SchEditor();
    SchEditor(const SchEditor&) = delete;
    SchEditor& operator=(const SchEditor&) = delete;

    // --- documents -------------------------------------------------------------------------
    // Creates a document of kind "Sch" or "SchLib" (any letter case); 0 for another kind.
    // The new document does not become current by itself.
    SchHandle CreateDocument(std::string_view kind, std::string_view name, std::string_view path);
    // Makes a document the current one; false (and no change) for an unknown handle.
    bool SetCurrentDocument(SchHandle document);
    SchHandle CurrentDocument() const;
    // Closes a document and frees everything in it; false for an unknown handle.
    bool CloseDocument(SchHandle document);
    // Every open document in creation order.
    std::vector<DocumentInfo> ListDocuments() const;

    // --- client hook -----------------------------------------------------------------------
    void SetClientCommandHook(ClientCommandHook hook);
    // Hands a "Client:..." command to the hook; 0 when no hook is set.
    int32_t RunClientCommand(std::string_view command, char* parameters, uint16_t bufferSize);

    // --- read-only access to the store (null or nullopt for unknown handles) ----------------
    const Document* FindDocument(SchHandle document) const;
    const SchObject* FindObject(SchHandle object) const;
    const LibraryComponent* FindComponent(SchHandle component) const;
    // The extent of an object in host units (see bounding_rectangle.h).
    std::optional<Rect> BoundingRectangle(SchHandle object) const;
    // Number of objects in a document, owned texts not counted (a library counts the objects
    // of every component, part and mode).
    size_t CountObjects(SchHandle document) const;

    // --- saving ----------------------------------------------------------------------------
    // Writes one JSON file per open document into `folder` (created if missing); see
    // docs/host-format.md. File names come from document names, made safe and unique.
    SaveResult SaveWorkspace(const std::filesystem::path& folder, const SaveOptions& options) const;

    // Frees every document and object (tests, and a host that starts a new workspace).
    void Reset();

    // The store behind the exported functions.
    ObjectStore& Store() { return *FStore; }
    const ObjectStore& Store() const { return *FStore; }

  private:
    std::unique_ptr<ObjectStore> FStore;
    ClientCommandHook FClientHook;
};

// The process-wide editor that the exported SchAPI_* functions work on.
SchEditor& Editor();

}  // namespace qelsch
