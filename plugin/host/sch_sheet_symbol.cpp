#include "host/sch_sheet_symbol.h"

#include "frame/sch_procs.h"

TSchSheetSymbol::TSchSheetSymbol(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchSheetSymbol::Query(int32_t mode) {
    QueryPrimitive(mode);
    return schapi::QuerySheetSymbol(mode, FHandle, &FLocation.X, &FLocation.Y, &FXSize, &FYSize,
                                    &FSheetNameField, &FFileNameField, &FPassThrough1,
                                    &FPassThrough2, &FPassThrough3, &FColor, &FPassThrough4,
                                    &FPrimitiveFlag);
}
