#include "host/sch_net_objects.h"

#include "frame/sch_procs.h"

TSchBusEntry::TSchBusEntry(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchBusEntry::Query(int32_t mode) {
    QueryPrimitive(mode);
    return schapi::QueryBusEntry(mode, FHandle, &FLocation.X, &FLocation.Y, &FCorner.X, &FCorner.Y,
                                 &FPassThrough, &FColor, &FPrimitiveFlag);
}

TSchJunction::TSchJunction(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchJunction::Query(int32_t mode) {
    QueryPrimitive(mode);
    return schapi::QueryJunction(mode, FHandle, &FLocation.X, &FLocation.Y, &FPassThrough1,
                                 &FPassThrough2, &FColor, &FPrimitiveFlag);
}

TSchNetLabel::TSchNetLabel(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchNetLabel::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* text = FText.Data();
    return schapi::QueryNetLabel(mode, FHandle, &FLocation.X, &FLocation.Y, &FOrientation, &FColor,
                                 &FPassThrough, &FPrimitiveFlag, &text);
}

TPowerObject::TPowerObject(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TPowerObject::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* text = FText.Data();
    return schapi::QueryPowerObject(mode, FHandle, &FPassThrough, &FLocation.X, &FLocation.Y,
                                    &FOrientation, &FColor, &FPrimitiveFlag, &text);
}

TSchPort::TSchPort(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchPort::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* name = FName.Data();
    return schapi::QueryPort(mode, FHandle, &FStyle, &FStyleByte2, &FStyleByte3, &FWidth,
                             &FLocation.X, &FLocation.Y, &FColor, &FPassThrough1, &FPassThrough2,
                             &FPrimitiveFlag, &name);
}
