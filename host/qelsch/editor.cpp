#include "editor.h"

#include "command_parameters.h"
#include "object_store.h"

namespace qelsch {

SchEditor::SchEditor() : FStore(std::make_unique<ObjectStore>()) {}
SchEditor::~SchEditor() = default;

SchHandle SchEditor::CreateDocument(std::string_view kind, std::string_view name,
                                    std::string_view path) {
    if (SameWord(kind, "Sch")) return FStore->CreateDocument(DocumentKind::Sheet, name, path);
    if (SameWord(kind, "SchLib")) return FStore->CreateDocument(DocumentKind::Library, name, path);
    return 0;
}

bool SchEditor::SetCurrentDocument(SchHandle document) {
    return FStore->SetCurrentDocument(document);
}

SchHandle SchEditor::CurrentDocument() const {
    return FStore->CurrentDocument();
}

bool SchEditor::CloseDocument(SchHandle document) {
    return FStore->CloseDocument(document);
}

std::vector<DocumentInfo> SchEditor::ListDocuments() const {
    std::vector<DocumentInfo> list;
    for (SchHandle handle : FStore->Documents()) {
        if (const Document* document = FStore->FindDocument(handle)) {
            list.push_back({handle, document->kind, document->name, document->path});
        }
    }
    return list;
}

void SchEditor::SetClientCommandHook(ClientCommandHook hook) {
    FClientHook = std::move(hook);
}

int32_t SchEditor::RunClientCommand(std::string_view command, char* parameters,
                                    uint16_t bufferSize) {
    return FClientHook ? FClientHook(command, parameters, bufferSize) : 0;
}

const Document* SchEditor::FindDocument(SchHandle document) const {
    return FStore->FindDocument(document);
}

const SchObject* SchEditor::FindObject(SchHandle object) const {
    return FStore->FindObject(object);
}

const LibraryComponent* SchEditor::FindComponent(SchHandle component) const {
    return FStore->FindComponent(component);
}

std::optional<Rect> SchEditor::BoundingRectangle(SchHandle object) const {
    const SchObject* found = FStore->FindObject(object);
    if (!found) return std::nullopt;
    return ObjectBoundingRectangle(*FStore, *found);
}

size_t SchEditor::CountObjects(SchHandle documentHandle) const {
    const Document* document = FStore->FindDocument(documentHandle);
    if (!document) return 0;
    size_t count = document->objects.size();
    for (SchHandle handle : document->components) {
        if (const LibraryComponent* component = FStore->FindComponent(handle)) {
            for (const ComponentPart& part : component->parts) {
                for (const auto& list : part.objects) count += list.size();
            }
        }
    }
    return count;
}

void SchEditor::Reset() {
    FStore->Clear();
}

SchEditor& Editor() {
    static SchEditor editor;
    return editor;
}

}  // namespace qelsch
