#include "model/pad_style.h"

#include "reader/keywords.h"

TNimboPadShapeByLayer::TNimboPadShapeByLayer(TNimboObject* owner)
    : TNimboShapeByLayer(owner, kw::padShapeType, kw::padShapeDfn, psMtHole) {
    FKindName = "PadShapeByLayer";
}

TNimboPadStyleDef::TNimboPadStyleDef(TNimboObject* owner)
    : TNimboHoleStyleDef(owner, kw::padShape) {}

std::unique_ptr<TNimboShapeByLayer> TNimboPadStyleDef::NewShape() {
    return std::make_unique<TNimboPadShapeByLayer>(this);
}
