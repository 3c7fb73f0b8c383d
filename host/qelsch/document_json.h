// The host's own JSON form of a document (docs/host-format.md).
#pragma once

#include <nlohmann/json.hpp>

#include "code_page.h"
#include "document.h"

namespace qelsch {

class ObjectStore;

// The whole document as JSON: kind, name, options and objects, and for a library its options
// and components with their parts per display mode. Texts are converted to UTF-8 by `codePage`.
// Keys keep a fixed order, so the same document always gives the same text.
nlohmann::ordered_json DocumentToJson(const ObjectStore& store, const Document& document,
                                      CodePage codePage);

}  // namespace qelsch
