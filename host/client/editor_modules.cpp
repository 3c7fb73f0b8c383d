#include "editor_modules.h"

#include <strings.h>

#include "host_document.h"

namespace client {

int32_t TSchEditorModule::RunProcess(IHostView*, const char*, int32_t, int32_t) {
    return 0;
}

int32_t TTextEditorModule::RunProcess(IHostView* view, const char* process, int32_t, int32_t) {
    if (!view || !process || strcasecmp(process, "TextEdit:MoveCursorToTopOfDocument") != 0)
        return 0;
    auto* document = dynamic_cast<THostDocument*>(view->GetDocument());
    if (!document) return 0;
    document->SetCursorLine(0);
    return 1;
}

}  // namespace client
