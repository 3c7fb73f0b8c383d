#include "model/junction.h"

#include "host/create_host_object.h"
#include "host/sch_net_objects.h"
#include "model/design_host.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboJunction::TNimboJunction(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Junction";
}

void TNimboJunction::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            default:
                return false;
        }
    });
}

void TNimboJunction::Translate() {
    auto junction = NewHostObject<TSchJunction>();
    junction.FLocation = FPt;
    AddToDocument(junction, *this);
}
