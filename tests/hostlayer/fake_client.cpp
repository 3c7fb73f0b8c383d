#include "fake_client.h"

int32_t TFakeEditorModule::RunProcess(IHostView* view, const char* process, int32_t a, int32_t b) {
    FLog.push_back(std::string("RunProcess ") + process + " " + std::to_string(a) + " " +
                   std::to_string(b) + (view == ExpectedView ? " on view 0" : " on another view"));
    return 1;
}

TFakeDocument::TFakeDocument(std::vector<std::string>& log, std::string path)
    : Editor(log), FLog(log), FPath(std::move(path)) {
    Editor.ExpectedView = &FView;
}

IHostDocument* TFakeClient::FindOpenDocument(const char* path) {
    Log.push_back(std::string("FindOpenDocument ") + path);
    return Open;
}

IHostDocument* TFakeClient::OpenDocument(const char* kind, const char* path) {
    Log.push_back(std::string("OpenDocument ") + kind + " " + path);
    return CanOpen ? &Opened : nullptr;
}

void TFakeClient::ShowDocument(IHostDocument* document) {
    Log.push_back("ShowDocument " + document->GetFileName());
}
