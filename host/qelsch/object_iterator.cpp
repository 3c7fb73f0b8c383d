#include "object_iterator.h"

#include "object_store.h"

namespace qelsch {
namespace {

// The list the iterator walks, or null when its document, component or part is gone.
const std::vector<SchHandle>* IteratedList(const ObjectStore& store,
                                           const ObjectIterator& iterator) {
    const Document* document = store.FindDocument(iterator.document);
    if (!document) return nullptr;
    if (document->kind == DocumentKind::Sheet) return &document->objects;
    const LibraryComponent* component = store.FindComponent(iterator.component);
    if (!component || iterator.partIndex < 0 ||
        static_cast<size_t>(iterator.partIndex) >= component->parts.size()) {
        return nullptr;
    }
    return &component->parts[static_cast<size_t>(iterator.partIndex)].In(iterator.mode);
}

}  // namespace

SchHandle NextIteratedObject(const ObjectStore& store, ObjectIterator& iterator) {
    const std::vector<SchHandle>* list = IteratedList(store, iterator);
    if (!list) return 0;
    while (iterator.position < list->size()) {
        const SchHandle handle = (*list)[iterator.position++];
        const SchObject* object = store.FindObject(handle);
        if (object && object->kind == iterator.kind) return handle;
    }
    return 0;
}

}  // namespace qelsch
