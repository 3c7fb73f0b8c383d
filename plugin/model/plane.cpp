#include "model/plane.h"

#include "model/board_reading.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPlane::TNimboPlane(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Plane";
}

void TNimboPlane::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            case kw::planeOutline:
            case kw::pcbPoly:
                ReadPointsInPlace(*this, FOutline);
                return true;
            default:
                return false;
        }
    });
}
