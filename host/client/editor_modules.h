// The editing modules behind the client's documents: the schematic editor ("Sch") and the text
// editor ("TextEdit") in which the host shows reports.
#pragma once

#include <functional>
#include <string>

#include "ClientAPI.h"
#include "interface_object.h"

namespace client {

// The schematic editor's module as a document sees it. Its commands reach the editor through
// SchAPI_SendCommand, so it runs no processes of its own.
class TSchEditorModule final : public TInterfacedObject<IEditorModule> {
  public:
    std::string GetModuleName() override { return "Sch"; }
    int32_t RunProcess(IHostView* view, const char* process, int32_t a, int32_t b) override;
};

// The text editor. It knows one process, "TextEdit:MoveCursorToTopOfDocument", which puts the
// cursor of the view's document on its first line.
class TTextEditorModule final : public TInterfacedObject<IEditorModule> {
  public:
    std::string GetModuleName() override { return "TextEdit"; }
    // 1 when the process was run, 0 for a process this editor does not know or no view.
    int32_t RunProcess(IHostView* view, const char* process, int32_t a, int32_t b) override;
};

}  // namespace client
