// Exported functions on objects: creation, containers, iteration, extents.
#include "SchAPI.h"
#include "bounding_rectangle.h"
#include "editor.h"
#include "export_guard.h"
#include "object_store.h"

using namespace qelsch;

namespace {

ObjectStore& Store() {
    return Editor().Store();
}

}  // namespace

QELSCH_EXPORT SchHandle SchAPI_CreateObjectEx(uint8_t kind) {
    return Guarded<SchHandle>(0, [&] { return Store().CreateObject(kind); });
}

QELSCH_EXPORT int32_t SchAPI_AddObjectToContainer(SchHandle document, SchHandle object) {
    return Guarded<int32_t>(0, [&] { return Store().AddToContainer(document, object) ? 1 : 0; });
}

QELSCH_EXPORT int32_t SchAPI_DestroyObject(SchHandle object) {
    return Guarded<int32_t>(0, [&] { return Store().DestroyObject(object) ? 1 : 0; });
}

QELSCH_EXPORT int32_t SchAPI_GetObjectIdFromObjectHandle(SchHandle object) {
    return Guarded<int32_t>(kSchKindNone, [&]() -> int32_t {
        const SchObject* found = Store().FindObject(object);
        return found ? int32_t{found->kind} : int32_t{kSchKindNone};
    });
}

QELSCH_EXPORT SchHandle SchAPI_CreateIterator(SchHandle document, uint8_t kind) {
    return Guarded<SchHandle>(0, [&] { return Store().CreateIterator(document, kind); });
}

QELSCH_EXPORT SchHandle SchAPI_GetFirstObject(SchHandle iterator) {
    return Guarded<SchHandle>(0, [&]() -> SchHandle {
        ObjectIterator* found = Store().FindIterator(iterator);
        if (!found) return 0;
        found->position = 0;
        return NextIteratedObject(Store(), *found);
    });
}

QELSCH_EXPORT SchHandle SchAPI_GetNextObject(SchHandle iterator) {
    return Guarded<SchHandle>(0, [&]() -> SchHandle {
        ObjectIterator* found = Store().FindIterator(iterator);
        return found ? NextIteratedObject(Store(), *found) : 0;
    });
}

QELSCH_EXPORT int32_t SchAPI_GetObjectBoundingRectangle(SchHandle object, int32_t* x1, int32_t* y1,
                                                        int32_t* x2, int32_t* y2) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        const std::optional<Rect> extent = Editor().BoundingRectangle(object);
        if (!extent) return 0;
        if (x1) *x1 = extent->x1;
        if (y1) *y1 = extent->y1;
        if (x2) *x2 = extent->x2;
        if (y2) *y2 = extent->y2;
        return 1;
    });
}

// There is no interactive user in this editor: nothing is ever changed by one.
QELSCH_EXPORT int32_t SchAPI_ImportFromUser(SchHandle) {
    return 0;
}

QELSCH_EXPORT int32_t SchAPI_RedrawObject(SchHandle object) {
    return Guarded<int32_t>(0, [&] { return Store().FindObject(object) ? 1 : 0; });
}
