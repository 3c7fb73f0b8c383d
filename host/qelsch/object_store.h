// The editor's object store: documents, objects, library components and iterators by handle,
// with the operations the exported SchAPI_* functions and the in-process API are built on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "SchAPI.h"
#include "document.h"
#include "handle_table.h"
#include "library_component.h"
#include "object_iterator.h"
#include "sch_objects.h"

namespace qelsch {

class ObjectStore {
  public:
    // --- objects ----------------------------------------------------------------------------
    // A new object of a known kind with the editor's defaults, in no document; a part and a
    // sheet symbol get their owned texts. 0 for an unknown kind.
    SchHandle CreateObject(uint8_t kind);
    // Frees an object (and the texts it owns), taking it out of its document first; an owned
    // text is detached from its owner. False for an unknown handle.
    bool DestroyObject(SchHandle object);
    SchObject* FindObject(SchHandle object) const { return FTable.Find<SchObject>(object); }
    template <class T>
    T* Find(SchHandle object) const {
        SchObject* found = FindObject(object);
        return found ? found->As<T>() : nullptr;
    }

    // Puts an object into a document: a sheet's object list, or the current component part and
    // display mode of a library (a component is made when the library has none yet). False for
    // unknown handles, owned texts and objects already in a document.
    bool AddToContainer(SchHandle document, SchHandle object);

    // --- documents --------------------------------------------------------------------------
    SchHandle CreateDocument(DocumentKind kind, std::string_view name, std::string_view path);
    bool CloseDocument(SchHandle document);
    Document* FindDocument(SchHandle document) const { return FTable.Find<Document>(document); }
    const std::vector<SchHandle>& Documents() const { return FDocuments; }
    SchHandle CurrentDocument() const { return FCurrentDocument; }
    bool SetCurrentDocument(SchHandle document);

    // --- library components -----------------------------------------------------------------
    // A new component with one part in a library document; it becomes the current component
    // (first part, normal mode). 0 when the document is not a library.
    SchHandle CreateComponent(SchHandle document, std::string_view name);
    LibraryComponent* FindComponent(SchHandle component) const {
        return FTable.Find<LibraryComponent>(component);
    }
    // The first component made (in any open library) whose name equals `name` without regard to
    // ASCII letter case; null when there is none.
    const LibraryComponent* FindComponentByName(std::string_view name) const;
    // Frees every object of a part (used when a part is removed).
    void DestroyPartObjects(ComponentPart& part);

    // --- iterators --------------------------------------------------------------------------
    // An iterator over a document's objects of `kind`; 0 for an unknown document.
    SchHandle CreateIterator(SchHandle document, uint8_t kind);
    ObjectIterator* FindIterator(SchHandle iterator) const {
        return FTable.Find<ObjectIterator>(iterator);
    }

    // Frees everything.
    void Clear();

  private:
    SchHandle CreateOwnedText(SchHandle owner, std::string_view text, bool hidden);
    void DestroyOwnedTexts(SchObject& owner);
    void RemoveFromContainer(SchObject& object);
    void DetachFromOwner(const Text& text);
    void DestroyComponent(SchHandle component);

    HandleTable FTable;
    std::vector<SchHandle> FDocuments;  // open documents in creation order
    SchHandle FCurrentDocument = 0;
    uint32_t FPartSerial = 0;  // parts made since the store was cleared
    // Components by lower-cased name, in creation order (freed ones are skipped on lookup).
    std::unordered_map<std::string, std::vector<SchHandle>> FComponentsByName;
};

}  // namespace qelsch
