#include "host/sch_text_field.h"

#include "frame/sch_procs.h"

TSchTextField::TSchTextField(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchTextField::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* text = FText.Data();
    return schapi::QueryText(mode, FHandle, &FLocation.X, &FLocation.Y, &FIsHidden, &FPassThrough,
                             &text, &FOrientation, &FColor, &FPrimitiveFlag);
}
