// The schematic editor's flat functions, bound by name at run time.
//
// The module is never linked against the editor: `BindSchematicApi` looks every `SchAPI_*` name
// up in the editor module "QelSch.so" that the host has already loaded (the module never loads
// it itself). A function that cannot be found stays unbound, and its forwarding function in
// namespace `schapi` returns a neutral value instead of calling, so an import without a host
// runs to its end and creates nothing:
//  - 0 for the handle, iterator and vertex calls and for QueryDocumentName,
//  - 57 (no object) for GetObjectIdFromObjectHandle,
//  - 1 for AddObjectToContainer, SendCommand and every other Query* call,
//    (SendCommand answers 0 once the editor ran the command: callers see "done" either way),
//  - 0 for the remaining actions (DestroyObject, RedrawSheet, RedrawObject, ImportFromUser,
//    GetObjectBoundingRectangle): nothing was done.
// QueryDocumentOptions and QuerySchLibOptions also return 1 without calling when the document
// handle is 0.
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "SchAPI.h"

namespace schapi {

// One pointer per editor function, null while unbound.
struct TSchApiTable {
#define ZORVAN_SCHAPI_POINTER(ret, name, args) SchAPI_##name##_t name = nullptr;
    ZORVAN_SCHAPI_FUNCTIONS(ZORVAN_SCHAPI_POINTER)
#undef ZORVAN_SCHAPI_POINTER
};

// The module-wide table. Tests install fake editor functions here directly.
TSchApiTable& Table();
// Unbinds every function (tests; also the first step of every binding).
void ResetTable();

// What an unbound function returns (see the file comment).
constexpr int64_t NeutralResult(std::string_view name) {
    if (name == "GetObjectIdFromObjectHandle") return kSchKindNone;
    if (name == "QueryDocumentName" || name == "QueryVertexCount" || name == "QueryVertexAt")
        return 0;
    if (name == "AddObjectToContainer" || name == "SendCommand") return 1;
    if (name.starts_with("Query")) return 1;
    return 0;
}

// Calls taking a document handle second that do nothing (and answer 1) for document 0.
constexpr bool SkippedWithoutDocument(std::string_view name) {
    return name == "QueryDocumentOptions" || name == "QuerySchLibOptions";
}

// Calls whose forwarding function answers 0 after a real call instead of the editor's result.
constexpr bool AnswersZeroWhenRun(std::string_view name) {
    return name == "SendCommand";
}

namespace detail {

template <auto Slot, int64_t Neutral, bool NeedsDocument, bool ZeroWhenRun, class Fn>
struct TForwarder;

template <auto Slot, int64_t Neutral, bool NeedsDocument, bool ZeroWhenRun, class R, class... A>
struct TForwarder<Slot, Neutral, NeedsDocument, ZeroWhenRun, R (*)(A...)> {
    R operator()(A... args) const {
        if constexpr (NeedsDocument) {
            if (std::get<1>(std::forward_as_tuple(args...)) == 0) return static_cast<R>(Neutral);
        }
        auto* fn = Table().*Slot;
        if (fn == nullptr) return static_cast<R>(Neutral);
        if constexpr (ZeroWhenRun) {
            fn(args...);
            return 0;
        } else {
            return fn(args...);
        }
    }
};

}  // namespace detail

// schapi::CreateObjectEx(kind), schapi::QueryArc(mode, handle, ...), ...: one callable per
// editor function, with the editor's exact parameter list.
#define ZORVAN_SCHAPI_FORWARDER(ret, name, args)                                                  \
    inline constexpr detail::TForwarder<&TSchApiTable::name, NeutralResult(#name),                \
                                        SkippedWithoutDocument(#name), AnswersZeroWhenRun(#name), \
                                        SchAPI_##name##_t>                                        \
        name{};
ZORVAN_SCHAPI_FUNCTIONS(ZORVAN_SCHAPI_FORWARDER)
#undef ZORVAN_SCHAPI_FORWARDER

}  // namespace schapi

// Binds every SchAPI_* function of the already loaded editor module; unbinds the rest. Returns
// whether the editor module was found. Runs when the module is loaded and at each loader call.
bool BindSchematicApi();
