#include "model/polygon.h"

#include "host/create_host_object.h"
#include "host/sch_vertex_objects.h"
#include "model/drawing_support.h"
#include "reader/parse_loop.h"

TNimboPoly::TNimboPoly(TNimboObject* owner) : TNimboPolyOutline(owner) {}

// ---- reading -------------------------------------------------------------------------------

void TNimboPoly::Parse() {
    RunParseLoop(*this, [this](int32_t token) { return ReadOutline(token); });
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
