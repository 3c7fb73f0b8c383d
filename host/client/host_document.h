// A document open in the client and the one view that shows it.
//
// Schematic documents ("Sch", "SchLib") live in the schematic editor, which the document
// reaches by its editor handle; text documents ("Text") hold the file's lines themselves.
// File names are absolute paths; a document need not exist on disk before it is saved.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ClientAPI.h"
#include "SchAPI.h"
#include "interface_object.h"

namespace client {

class THostDocument;

class THostView final : public TInterfacedObject<IHostView> {
  public:
    explicit THostView(THostDocument& document) : FDocument(document) {}
    IHostDocument* GetDocument() override;
    THostDocument& Document() { return FDocument; }

  private:
    THostDocument& FDocument;
};

class THostDocument final : public TInterfacedObject<IHostDocument> {
  public:
    // `editorModule` is a link to a module that outlives the document.
    THostDocument(std::string kind, std::string name, std::string fileName,
                  IEditorModule* editorModule, SchHandle editorHandle = 0);

    std::string GetFileName() override { return FFileName; }
    std::string GetKind() override { return FKind; }
    // Text documents read their file again (an unreadable file leaves them empty); schematic
    // documents keep what the editor holds.
    void Reload() override;
    IEditorModule* GetEditorModule() override { return FEditorModule; }
    // The document's only view is index 0; null for any other index.
    IHostView* GetView(int32_t index) override;

    const std::string& Name() const { return FName; }
    const std::string& Kind() const { return FKind; }
    const std::string& FileName() const { return FFileName; }
    THostView& View() { return *FView; }
    // The schematic editor's handle of the document; 0 for a text document.
    SchHandle EditorHandle() const { return FEditorHandle; }
    bool IsSchematic() const { return FEditorHandle != 0; }

    // Text documents: the lines read by the last Reload and the cursor line (0 = first).
    const std::vector<std::string>& Lines() const { return FLines; }
    int32_t CursorLine() const { return FCursorLine; }
    void SetCursorLine(int32_t line) { FCursorLine = line; }

  private:
    std::string FKind;
    std::string FName;
    std::string FFileName;
    IEditorModule* FEditorModule;
    SchHandle FEditorHandle;
    std::unique_ptr<THostView> FView;
    std::vector<std::string> FLines;
    int32_t FCursorLine = 0;
};

}  // namespace client
