// TNimboField: a placeholder for a field value on a sheet or in a symbol; read, creates nothing.
#pragma once

#include "model/placed_text.h"

class TNimboField : public TNimboPlacedText {
  public:
    explicit TNimboField(TNimboObject* owner);
    void Parse() override;
};
