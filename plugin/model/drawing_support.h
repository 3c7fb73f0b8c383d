// What the translations of the drawing kinds share: the document they draw into.
#pragma once

#include <stdexcept>

#include "host/document_options.h"
#include "reader/nimbo_object.h"

// The document `object` translates into. An object handed no document has nowhere to put its
// host objects; the error ends its translation before anything is created, and the owner's
// guard drops it.
inline const TDocumentOptions& TargetDocument(const TNimboObject& object) {
    if (object.FDocument == nullptr) {
        throw std::logic_error(object.FKindName + " translated without a document");
    }
    return *object.FDocument;
}
