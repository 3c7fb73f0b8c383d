#include "library_component.h"

namespace qelsch {

const char* DisplayModeName(DisplayMode mode) {
    switch (mode) {
        case DisplayMode::Normal:
            return "normal";
        case DisplayMode::Ieee:
            return "ieee";
        case DisplayMode::Demorgan:
            return "demorgan";
    }
    return "normal";
}

}  // namespace qelsch
