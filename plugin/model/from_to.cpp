#include "model/from_to.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboFromTo::TNimboFromTo(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "FromTo";
}

void TNimboFromTo::Parse() {
    int32_t pointsRead = 0;
    RunParseLoop(*this, [&](int32_t token) {
        switch (token) {
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::pt: {
                const TPoint point = ReadPoint();
                if (pointsRead == 0) FFrom = point;
                if (pointsRead == 1) FTo = point;
                ++pointsRead;
                return true;
            }
            default:
                return false;
        }
    });
}
