#include "model/bus.h"

#include "host/create_host_object.h"
#include "host/sch_vertex_objects.h"
#include "model/design_host.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboBus::TNimboBus(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Bus";
}

void TNimboBus::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::dispName:
                FDispName = ReadBoolean();
                return true;
            case kw::pt:
                FPoints.push_back(ReadPoint());
                return true;
            default:
                return false;
        }
    });
}

// Every point becomes a vertex: the host's vertex list holds them all.
void TNimboBus::Translate() {
    auto bus = NewHostObject<TSchBus>();
    bus.FVertices = FPoints;
    bus.FLineWidth = 2;
    AddToDocument(bus, *this);
}
