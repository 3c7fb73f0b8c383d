#include "model/polygon.h"

#include "host/create_host_object.h"
#include "host/sch_vertex_objects.h"
#include "model/drawing_support.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPoly::TNimboPoly(TNimboObject* owner) : TNimboDrawObject(owner) {}

// ---- reading -------------------------------------------------------------------------------

void TNimboPoly::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPoints.push_back(ReadPoint());
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::isCopperTie:
                FIsCopperTie = ReadBoolean();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::tieNetValue:
                FTieNetValue = ReadString();
                return true;
            default:
                return false;
        }
    });
}

// ---- translation ---------------------------------------------------------------------------

// Every point goes to the host, however many there are; the host closes the outline itself.
void TNimboPoly::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    auto polygon = NewHostObject<TSchPolygon>();
    polygon.FVertices = FPoints;
    polygon.FLineWidth = 1;
    AddHostObject(polygon, document);
}
