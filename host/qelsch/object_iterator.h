// Iterators over a document's objects of one kind (SchAPI_CreateIterator).
#pragma once

#include <cstddef>
#include <cstdint>

#include "SchAPI.h"
#include "library_component.h"

namespace qelsch {

class ObjectStore;

// Walks the live object list of a sheet, or of the library component part and display mode
// that were current when the iterator was made, in insertion order. It keeps a position, not a
// copy of the list, so objects added while iterating are reached and freed ones are skipped.
struct ObjectIterator {
    SchHandle document = 0;
    uint8_t kind = kSchKindNone;
    // Library documents: the component, part (0-based) and display mode iterated.
    SchHandle component = 0;
    int32_t partIndex = 0;
    DisplayMode mode = DisplayMode::Normal;
    size_t position = 0;  // index of the next candidate in the list
};

// The next object of the iterator's kind, or 0 after the last (or when its document, component
// or part is gone).
SchHandle NextIteratedObject(const ObjectStore& store, ObjectIterator& iterator);

}  // namespace qelsch
