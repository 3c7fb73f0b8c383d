#pragma once
// The drawing objects that stand on a sheet or a title sheet, created by keyword.

#include <cstdint>
#include <memory>
#include <vector>

#include "reader/nimbo_object.h"

// A new, unparsed drawing object of the kind the keyword names, owned by `owner`; null for a
// keyword that names no drawing object of a sheet. Symbol definitions take the same kinds
// except "xRef".
std::unique_ptr<TNimboObject> CreateSheetDrawObject(int32_t keyword, TNimboObject* owner);

class TDocumentOptions;

// Translates the objects in order into `document`; an object whose translation throws is
// dropped silently and the next one translated.
void TranslateDrawObjects(const std::vector<std::unique_ptr<TNimboObject>>& objects,
                          TDocumentOptions* document);
