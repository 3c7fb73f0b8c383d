#pragma once
// Via style definitions ("viaStyleDef" in the library): a named hole and one shape per layer.
// Read only; the library registers them under FName. The library creates the style and calls
// ReadSection (not Parse) after the keyword.

#include "model/hole_style.h"

// One "viaShape" group of a via style; "Target" and "MtHole" are not via shapes.
class TNimboViaShapeByLayer : public TNimboShapeByLayer {
  public:
    explicit TNimboViaShapeByLayer(TNimboObject* owner);
};

class TNimboViaStyleDef : public TNimboHoleStyleDef {
  public:
    explicit TNimboViaStyleDef(TNimboObject* owner);

  protected:
    std::unique_ptr<TNimboShapeByLayer> NewShape() override;
};
