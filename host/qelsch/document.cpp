#include "document.h"

namespace qelsch {

const char* DocumentKindText(DocumentKind kind) {
    return kind == DocumentKind::Library ? "SchLib" : "Sch";
}

}  // namespace qelsch
