#include "frame/import_state.h"

#include "frame/client_procs.h"

IHostView* CurrentView = nullptr;

namespace {

constexpr size_t kShortStringLength = 255;
std::string gImportFileName;

}  // namespace

void RecordCurrentView() {
    IClient* client = ModuleClient();
    CurrentView = client ? client->GetCurrentView() : nullptr;
}

void SetImportFileName(const std::string& name) {
    gImportFileName = name.substr(0, kShortStringLength);
}

std::string GetImportFileName() {
    if (!gImportFileName.empty()) return gImportFileName;
    if (!CurrentView) return std::string();
    IHostDocument* document = CurrentView->GetDocument();
    return document ? document->GetFileName() : std::string();
}
