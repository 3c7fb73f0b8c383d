#include "model/line_keep_out.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboLineKeepOut::TNimboLineKeepOut(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "KeepOut Line";
}

void TNimboLineKeepOut::Parse() {
    bool firstRead = false;
    RunParseLoop(*this, [&](int32_t token) {
        if (token != kw::pt) return false;
        (firstRead ? FPoint2 : FPoint1) = ReadPoint();
        firstRead = true;
        return true;
    });
}
