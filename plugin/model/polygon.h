// TNimboPoly: a closed outline, drawn as a host polygon with every point of the file.
#pragma once

#include "model/poly_outline.h"

class TNimboPoly : public TNimboPolyOutline {
  public:
    explicit TNimboPoly(TNimboObject* owner);
    void Parse() override;
    void Translate() override;
};
