#pragma once
// Handing the host objects of a design object to the document it translates into.

#include "frame/sch_procs.h"
#include "host/document_options.h"
#include "host/sch_object.h"
#include "reader/nimbo_object.h"

// The handle of the document `object` translates into; 0 when it has none.
inline SchHandle DocumentHandleOf(const TNimboObject& object) {
    return object.FDocument ? object.FDocument->FDocumentHandle : 0;
}

// Writes the wrapper's fields to its host object and adds the object to the document that
// `object` translates into. Answers the host object's handle.
inline SchHandle AddToDocument(TSchObject& wrapper, const TNimboObject& object) {
    wrapper.Query(qmWrite);
    schapi::AddObjectToContainer(DocumentHandleOf(object), wrapper.FHandle);
    return wrapper.FHandle;
}
