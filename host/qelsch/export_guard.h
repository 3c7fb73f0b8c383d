// Keeps C++ exceptions (out of memory, mostly) inside the editor: an exported function that
// fails returns its neutral value instead of unwinding into a plug-in.
#pragma once

#define QELSCH_EXPORT extern "C" __attribute__((visibility("default")))

namespace qelsch {

template <class R, class F>
R Guarded(R neutral, F&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return neutral;
    }
}

}  // namespace qelsch
