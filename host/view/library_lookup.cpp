#include "library_lookup.h"

#include "command_parameters.h"

namespace view {

const qelsch::LibraryComponent* FindLibraryComponent(const qelsch::SchEditor& editor,
                                                     std::string_view libReference) {
    for (const qelsch::DocumentInfo& info : editor.ListDocuments()) {
        if (info.kind != qelsch::DocumentKind::Library) continue;
        const qelsch::Document* document = editor.FindDocument(info.handle);
        if (!document) continue;
        for (SchHandle handle : document->components) {
            const qelsch::LibraryComponent* component = editor.FindComponent(handle);
            if (component && qelsch::SameWord(component->name, libReference)) return component;
        }
    }
    return nullptr;
}

const qelsch::ComponentPart* FindComponentPart(const qelsch::SchEditor& editor,
                                               const qelsch::Part& part) {
    const qelsch::LibraryComponent* component = FindLibraryComponent(editor, part.libReference);
    if (!component || part.currentPartId < 1 ||
        static_cast<size_t>(part.currentPartId) > component->parts.size()) {
        return nullptr;
    }
    return &component->parts[static_cast<size_t>(part.currentPartId) - 1];
}

}  // namespace view
