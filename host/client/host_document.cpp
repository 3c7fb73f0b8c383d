#include "host_document.h"

#include <fstream>

namespace client {

IHostDocument* THostView::GetDocument() {
    return &FDocument;
}

THostDocument::THostDocument(std::string kind, std::string name, std::string fileName,
                             IEditorModule* editorModule, SchHandle editorHandle)
    : FKind(std::move(kind)),
      FName(std::move(name)),
      FFileName(std::move(fileName)),
      FEditorModule(editorModule),
      FEditorHandle(editorHandle),
      FView(std::make_unique<THostView>(*this)) {
    Reload();
}

void THostDocument::Reload() {
    if (IsSchematic()) return;
    FLines.clear();
    std::ifstream in(FFileName, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        FLines.push_back(std::move(line));
    }
}

IHostView* THostDocument::GetView(int32_t index) {
    return index == 0 ? FView.get() : nullptr;
}

}  // namespace client
