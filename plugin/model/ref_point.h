#pragma once
// A reference point ("refPoint"): a marker that may stand on a board, a sheet, a title sheet or
// in a symbol definition. Read only; it creates nothing.

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboRefPoint : public TNimboDrawObject {
  public:
    explicit TNimboRefPoint(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};  // in the units the owner reads in
};
