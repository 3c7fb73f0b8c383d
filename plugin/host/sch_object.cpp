#include "host/sch_object.h"

#include "frame/sch_procs.h"

int32_t TSchObject::Query(int32_t mode) {
    return QueryPrimitive(mode);
}

int32_t TSchObject::QueryPrimitive(int32_t mode) {
    return schapi::QueryPrimitive(mode, FHandle, &FObjectId, &FLocation.X, &FLocation.Y, &FColor,
                                  &FPrimitiveFlag);
}

void TSchObject::GetBoundingRectangle(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) {
    x1 = y1 = x2 = y2 = -1;
    if (FHandle != 0) schapi::GetObjectBoundingRectangle(FHandle, &x1, &y1, &x2, &y2);
}

bool TSchObject::ImportFromUser() {
    if (FHandle == 0) return false;
    const bool confirmed = schapi::ImportFromUser(FHandle) != 0;
    if (confirmed) Query(qmRead);
    return confirmed;
}

void TSchObject::Redraw() {
    if (FHandle != 0) schapi::RedrawObject(FHandle);
}
