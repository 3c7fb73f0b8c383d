#include "model/sch_document.h"

#include "frame/client_procs.h"
#include "frame/sch_procs.h"
#include "model/sheet.h"

std::unique_ptr<TDocumentOptions> OpenSchematicDocument(const std::string& name) {
    SchHandle handle = 0;
    if (IClient* client = ModuleClient()) {
        IServerModule* module = client->GetServerModule("Sch");
        IHostDocument* document = module ? module->CreateDocument("Sch", name.c_str()) : nullptr;
        if (document != nullptr) {
            client->ShowDocument(document);
            handle = schapi::GetCurrentDocumentHandle();
        }
    }
    auto options = std::make_unique<TDocumentOptions>(handle);
    options->Query(qmRead);
    schapi::RedrawSheet(handle);
    return options;
}

void SetSheetOptions(TDocumentOptions& options, uint8_t pageSizeCode, bool drawBorder,
                     std::optional<TPoint> workspace) {
    if (auto style = HostSheetStyle(pageSizeCode)) options.FSheetStyle = *style;
    if (workspace) {
        options.FUseCustomSheet = 1;
        options.FCustomX = workspace->X;
        options.FCustomY = workspace->Y;
    }
    options.FBorderOn = drawBorder ? 1 : 0;
}

void CloseSchematicDocument(TDocumentOptions& options) {
    options.Query(qmWrite);
}
