#include "object_store.h"

#include <algorithm>
#include <cstdio>

#include "object_defaults.h"

namespace qelsch {
namespace {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

void Erase(std::vector<SchHandle>& list, SchHandle handle) {
    list.erase(std::remove(list.begin(), list.end(), handle), list.end());
}

// A host-made unique id for a new part: eight capital letters counting the parts made, so that
// the same calls give the same ids.
std::string MakeUniqueId(uint32_t serial) {
    std::string id(8, 'A');
    uint32_t value = serial;
    for (size_t i = id.size(); i-- > 0;) {
        id[i] = static_cast<char>('A' + value % 26);
        value /= 26;
    }
    return id;
}

}  // namespace

SchHandle ObjectStore::CreateObject(uint8_t kind) {
    std::unique_ptr<SchObject> made = MakeDefaultObject(kind);
    if (!made) return 0;
    SchObject* object = made.get();
    const SchHandle handle = FTable.Add(std::move(made));
    if (handle == 0) return 0;
    object->handle = handle;
    if (auto* part = object->As<Part>()) {
        part->uniqueId = MakeUniqueId(++FPartSerial);
        part->designatorField = CreateOwnedText(handle, kNewDesignatorText, false);
        part->commentField = CreateOwnedText(handle, "", false);
        part->sheetFileNameField = CreateOwnedText(handle, "", true);
        for (SchHandle& field : part->partFields) {
            field = CreateOwnedText(handle, kUnusedParameterText, true);
        }
    } else if (auto* symbol = object->As<SheetSymbol>()) {
        symbol->sheetNameField = CreateOwnedText(handle, "", false);
        symbol->fileNameField = CreateOwnedText(handle, "", false);
    }
    return handle;
}

SchHandle ObjectStore::CreateOwnedText(SchHandle owner, std::string_view text, bool hidden) {
    std::unique_ptr<Text> made = MakeOwnedText(std::string(text), hidden);
    Text* field = made.get();
    const SchHandle handle = FTable.Add(std::move(made));
    if (handle == 0) return 0;
    field->handle = handle;
    field->owner = owner;
    return handle;
}

bool ObjectStore::DestroyObject(SchHandle handle) {
    SchObject* object = FindObject(handle);
    if (!object) return false;
    RemoveFromContainer(*object);
    if (const auto* text = object->As<Text>(); text && text->owner != 0) DetachFromOwner(*text);
    DestroyOwnedTexts(*object);
    return FTable.Free(handle);
}

void ObjectStore::DestroyOwnedTexts(SchObject& owner) {
    auto destroy = [&](SchHandle& field) {
        if (const Text* text = Find<Text>(field); text && text->owner == owner.handle) {
            FTable.Free(field);
        }
        field = 0;
    };
    if (auto* part = owner.As<Part>()) {
        destroy(part->designatorField);
        destroy(part->commentField);
        destroy(part->sheetFileNameField);
        for (SchHandle& field : part->partFields) destroy(field);
    } else if (auto* symbol = owner.As<SheetSymbol>()) {
        destroy(symbol->sheetNameField);
        destroy(symbol->fileNameField);
    }
}

void ObjectStore::DetachFromOwner(const Text& text) {
    auto clear = [&](SchHandle& field) {
        if (field == text.handle) field = 0;
    };
    if (auto* part = Find<Part>(text.owner)) {
        clear(part->designatorField);
        clear(part->commentField);
        clear(part->sheetFileNameField);
        for (SchHandle& field : part->partFields) clear(field);
    } else if (auto* symbol = Find<SheetSymbol>(text.owner)) {
        clear(symbol->sheetNameField);
        clear(symbol->fileNameField);
    }
}

void ObjectStore::RemoveFromContainer(SchObject& object) {
    Document* document = FindDocument(object.container);
    object.container = 0;
    if (!document) return;
    Erase(document->objects, object.handle);
    for (SchHandle componentHandle : document->components) {
        if (LibraryComponent* component = FindComponent(componentHandle)) {
            for (ComponentPart& part : component->parts) {
                for (auto& list : part.objects) Erase(list, object.handle);
            }
        }
    }
}

bool ObjectStore::AddToContainer(SchHandle documentHandle, SchHandle objectHandle) {
    Document* document = FindDocument(documentHandle);
    SchObject* object = FindObject(objectHandle);
    if (!document || !object || object->container != 0 || object->owner != 0) return false;
    if (document->kind == DocumentKind::Sheet) {
        document->objects.push_back(objectHandle);
    } else {
        LibraryComponent* component = FindComponent(document->editor.component);
        if (!component) {
            // Nothing drawn is lost: a library that has no component yet gets one.
            const auto name = "Component_" + std::to_string(document->components.size() + 1);
            component = FindComponent(CreateComponent(documentHandle, name));
            if (!component) return false;
        }
        const auto index = static_cast<size_t>(document->editor.partIndex);
        if (index >= component->parts.size()) return false;
        component->parts[index].In(document->editor.mode).push_back(objectHandle);
    }
    object->container = documentHandle;
    return true;
}

SchHandle ObjectStore::CreateDocument(DocumentKind kind, std::string_view name,
                                      std::string_view path) {
    auto document = std::make_unique<Document>();
    Document* made = document.get();
    const SchHandle handle = FTable.Add(std::move(document));
    if (handle == 0) return 0;
    made->handle = handle;
    made->kind = kind;
    made->name = name;
    made->path = path;
    FDocuments.push_back(handle);
    return handle;
}

bool ObjectStore::CloseDocument(SchHandle handle) {
    Document* document = FindDocument(handle);
    if (!document) return false;
    for (SchHandle object : document->objects) {
        if (SchObject* found = FindObject(object)) {
            found->container = 0;  // the whole list goes at once
            DestroyObject(object);
        }
    }
    document->objects.clear();
    for (SchHandle component : std::vector<SchHandle>(document->components)) {
        DestroyComponent(component);
    }
    Erase(FDocuments, handle);
    if (FCurrentDocument == handle) FCurrentDocument = 0;
    return FTable.Free(handle);
}

void ObjectStore::DestroyComponent(SchHandle handle) {
    LibraryComponent* component = FindComponent(handle);
    if (!component) return;
    for (ComponentPart& part : component->parts) DestroyPartObjects(part);
    FTable.Free(handle);
}

void ObjectStore::DestroyPartObjects(ComponentPart& part) {
    for (auto& list : part.objects) {
        for (SchHandle object : std::vector<SchHandle>(list)) {
            if (SchObject* found = FindObject(object)) {
                found->container = 0;  // the part's lists go away with it
                DestroyObject(object);
            }
        }
        list.clear();
    }
}

bool ObjectStore::SetCurrentDocument(SchHandle document) {
    if (!FindDocument(document)) return false;
    FCurrentDocument = document;
    return true;
}

SchHandle ObjectStore::CreateComponent(SchHandle documentHandle, std::string_view name) {
    Document* document = FindDocument(documentHandle);
    if (!document || document->kind != DocumentKind::Library) return 0;
    auto component = std::make_unique<LibraryComponent>();
    LibraryComponent* made = component.get();
    const SchHandle handle = FTable.Add(std::move(component));
    if (handle == 0) return 0;
    made->handle = handle;
    made->document = documentHandle;
    made->name = name;
    made->parts.emplace_back();
    document->components.push_back(handle);
    FComponentsByName[LowerAscii(name)].push_back(handle);
    document->editor = LibraryEditorState{handle, 0, DisplayMode::Normal};
    document->libraryOptions.currentComponent = handle;
    return handle;
}

const LibraryComponent* ObjectStore::FindComponentByName(std::string_view name) const {
    const auto found = FComponentsByName.find(LowerAscii(name));
    if (found == FComponentsByName.end()) return nullptr;
    for (SchHandle handle : found->second) {
        if (const LibraryComponent* component = FindComponent(handle)) return component;
    }
    return nullptr;
}

SchHandle ObjectStore::CreateIterator(SchHandle documentHandle, uint8_t kind) {
    const Document* document = FindDocument(documentHandle);
    if (!document) return 0;
    auto iterator = std::make_unique<ObjectIterator>();
    iterator->document = documentHandle;
    iterator->kind = kind;
    iterator->component = document->editor.component;
    iterator->partIndex = document->editor.partIndex;
    iterator->mode = document->editor.mode;
    return FTable.Add(std::move(iterator));
}

void ObjectStore::Clear() {
    FTable.Clear();
    FDocuments.clear();
    FCurrentDocument = 0;
    FPartSerial = 0;
    FComponentsByName.clear();
}

}  // namespace qelsch
