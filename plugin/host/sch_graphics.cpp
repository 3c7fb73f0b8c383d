#include "host/sch_graphics.h"

#include "frame/sch_procs.h"
#include "host/real48.h"

TArc::TArc(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TArc::Query(int32_t mode) {
    QueryPrimitive(mode);
    return schapi::QueryArc(mode, FHandle, &FLocation.X, &FLocation.Y, &FRadius, &FLineWidth,
                            &FStartAngle, &FEndAngle, &FColor, &FPrimitiveFlag);
}

double TArc::StartAngleDegrees() const {
    return DoubleFromReal48(FStartAngle);
}
double TArc::EndAngleDegrees() const {
    return DoubleFromReal48(FEndAngle);
}
void TArc::SetStartAngleDegrees(double degrees) {
    FStartAngle = Real48FromDouble(degrees);
}
void TArc::SetEndAngleDegrees(double degrees) {
    FEndAngle = Real48FromDouble(degrees);
}

TLine::TLine(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TLine::Query(int32_t mode) {
    QueryPrimitive(mode);
    return schapi::QueryLine(mode, FHandle, &FLocation.X, &FLocation.Y, &FCorner.X, &FCorner.Y,
                             &FPassThrough, &FLineStyle, &FColor, &FPrimitiveFlag);
}

TAnnotation::TAnnotation(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TAnnotation::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* text = FText.Data();
    return schapi::QueryLabel(mode, FHandle, &FLocation.X, &FLocation.Y, &FOrientation, &FColor,
                              &FFontId, &FPrimitiveFlag, &text);
}
