#include "frame/process_control.h"

namespace {

int32_t Wrapped(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

int32_t TProcessControl::DecProcessDepth(IInterface* /*caller*/, int32_t /*value*/) {
    FProcessDepth = Wrapped(static_cast<int64_t>(FProcessDepth) - 1);
    return FProcessDepth;
}

int32_t TProcessControl::IncProcessDepth(IInterface* /*caller*/, int32_t /*value*/) {
    FProcessDepth = Wrapped(static_cast<int64_t>(FProcessDepth) + 1);
    return FProcessDepth;
}
