#include "host/sch_pin.h"

#include "frame/sch_procs.h"

TPin::TPin(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TPin::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* name = FName.Data();
    char* designator = FDesignator.Data();
    return schapi::QueryPin(mode, FHandle, &FLocation.X, &FLocation.Y, &name, &designator, &FDot,
                            &FClock, &FAddedPin, &FShowName, &FShowDesignator, &FElectrical,
                            &FLength, &FOrientation, &FPrimitiveFlag, &FColor);
}
