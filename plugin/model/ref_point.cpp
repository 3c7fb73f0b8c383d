#include "model/ref_point.h"

#include "model/design_parse.h"
#include "reader/keywords.h"

TNimboRefPoint::TNimboRefPoint(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "RefPoint";
}

void TNimboRefPoint::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (token != kw::pt) return false;
        FPt = ReadPoint();
        return true;
    });
}
