// The editor's handle table: every document, object, library component and iterator lives in
// one slot, addressed by a 32-bit handle that is never 0 and never reused.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "SchAPI.h"
#include "document.h"
#include "library_component.h"
#include "object_iterator.h"
#include "sch_objects.h"

namespace qelsch {

class HandleTable {
  public:
    // Takes ownership and returns the new handle; 0 once the 32-bit handle space is used up.
    template <class T>
    SchHandle Add(std::unique_ptr<T> entity) {
        if (FSlots.size() >= kMaxHandles) return 0;
        FSlots.emplace_back(std::move(entity));
        return static_cast<SchHandle>(FSlots.size());
    }

    // The entity of type T behind a handle; null for 0, an unknown or freed handle, or an
    // entity of another type.
    template <class T>
    T* Find(SchHandle handle) const {
        if (handle == 0 || handle > FSlots.size()) return nullptr;
        auto* slot = std::get_if<std::unique_ptr<T>>(&FSlots[handle - 1]);
        return slot ? slot->get() : nullptr;
    }

    // Frees the entity; the handle stays dead. False when nothing was there.
    bool Free(SchHandle handle);

    // Frees everything; handles start again from 1.
    void Clear() { FSlots.clear(); }

  private:
    static constexpr size_t kMaxHandles = UINT32_MAX;
    using Slot = std::variant<std::monostate, std::unique_ptr<SchObject>, std::unique_ptr<Document>,
                              std::unique_ptr<LibraryComponent>, std::unique_ptr<ObjectIterator>>;
    std::vector<Slot> FSlots;  // handle h lives at index h - 1
};

}  // namespace qelsch
