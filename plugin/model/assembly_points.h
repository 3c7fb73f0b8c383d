#pragma once
// Assembly markers of a board: glue points ("gluePoint") and pick points ("pickPoint"). Read
// only; they create nothing.

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboGluePoint : public TNimboDrawObject {
  public:
    explicit TNimboGluePoint(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    bool FIsFlipped = false;
    bool FIsVisible = true;
};

class TNimboPickPoint : public TNimboDrawObject {
  public:
    explicit TNimboPickPoint(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    bool FIsFlipped = false;
    bool FIsVisible = true;
};
