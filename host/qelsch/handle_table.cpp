#include "handle_table.h"

namespace qelsch {

bool HandleTable::Free(SchHandle handle) {
    if (handle == 0 || handle > FSlots.size()) return false;
    Slot& slot = FSlots[handle - 1];
    if (std::holds_alternative<std::monostate>(slot)) return false;
    slot = std::monostate{};
    return true;
}

}  // namespace qelsch
