#include "model/ref_point.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

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
