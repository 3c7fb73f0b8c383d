// The steps around a new editor object that every creator shares: make it with the editor's
// defaults and read them (`NewHostObject`), then, once the caller changed what it knows about,
// write everything back and add the object to its document (`AddHostObject`).
//
//   auto wire = NewHostObject<TSchWire>();
//   wire.FVertices = {a, b};
//   wire.FLineWidth = 1;
//   AddHostObject(wire, *FDocument);
#pragma once

#include "frame/sch_procs.h"
#include "host/document_options.h"
#include "host/sch_object.h"

// A wrapper over a new editor object of the wrapper's kind, holding the editor's defaults.
// Without an editor the handle is 0 and the wrapper holds its own defaults.
template <class TWrapper>
TWrapper NewHostObject() {
    TWrapper wrapper(schapi::CreateObjectEx(TWrapper::Kind));
    wrapper.Query(qmRead);
    return wrapper;
}

// Writes every field of the wrapper to its editor object and adds the object to the document.
// Answers the object's handle (0 without an editor).
inline SchHandle AddHostObject(TSchObject& wrapper, const TDocumentOptions& document) {
    wrapper.Query(qmWrite);
    schapi::AddObjectToContainer(document.FDocumentHandle, wrapper.FHandle);
    return wrapper.FHandle;
}
