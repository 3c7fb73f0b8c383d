#pragma once
// Pad style definitions ("padStyleDef" in the library): a named hole and one shape per layer.
// Read only; the library registers them under FName. The library creates the style and calls
// ReadSection (not Parse) after the keyword.

#include "model/hole_style.h"

// One "padShape" group of a pad style.
class TNimboPadShapeByLayer : public TNimboShapeByLayer {
  public:
    explicit TNimboPadShapeByLayer(TNimboObject* owner);
};

class TNimboPadStyleDef : public TNimboHoleStyleDef {
  public:
    explicit TNimboPadStyleDef(TNimboObject* owner);

  protected:
    std::unique_ptr<TNimboShapeByLayer> NewShape() override;
};
