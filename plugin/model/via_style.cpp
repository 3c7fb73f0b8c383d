#include "model/via_style.h"

#include "reader/keywords.h"

TNimboViaShapeByLayer::TNimboViaShapeByLayer(TNimboObject* owner)
    : TNimboShapeByLayer(owner, kw::viaShapeType, kw::viaShapeDfn, psPolygon) {
    FKindName = "ViaShapeByLayer";
}

TNimboViaStyleDef::TNimboViaStyleDef(TNimboObject* owner)
    : TNimboHoleStyleDef(owner, kw::viaShape) {}

std::unique_ptr<TNimboShapeByLayer> TNimboViaStyleDef::NewShape() {
    return std::make_unique<TNimboViaShapeByLayer>(this);
}
