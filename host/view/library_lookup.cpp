#include "library_lookup.h"

namespace view {

namespace {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

TComponentIndex::TComponentIndex(const qelsch::SchEditor& editor) {
    for (const qelsch::DocumentInfo& info : editor.ListDocuments()) {
        if (info.kind != qelsch::DocumentKind::Library) continue;
        const qelsch::Document* document = editor.FindDocument(info.handle);
        if (!document) continue;
        for (SchHandle handle : document->components) {
            // The first component of a name wins, as in the editor's own lookup.
            if (const qelsch::LibraryComponent* component = editor.FindComponent(handle))
                FByName.emplace(LowerAscii(component->name), component);
        }
    }
}

const qelsch::LibraryComponent* TComponentIndex::Find(std::string_view libReference) const {
    const auto found = FByName.find(LowerAscii(libReference));
    return found == FByName.end() ? nullptr : found->second;
}

const qelsch::ComponentPart* TComponentIndex::FindPart(const qelsch::Part& part) const {
    const qelsch::LibraryComponent* component = Find(part.libReference);
    if (!component || part.currentPartId < 1 ||
        static_cast<size_t>(part.currentPartId) > component->parts.size()) {
        return nullptr;
    }
    return &component->parts[static_cast<size_t>(part.currentPartId) - 1];
}

}  // namespace view
