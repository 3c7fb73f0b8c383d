#pragma once
// A keep-out line ("lineKeepOut") of a board. Read only.

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboLineKeepOut : public TNimboDrawObject {
  public:
    explicit TNimboLineKeepOut(TNimboObject* owner);
    void Parse() override;

    TPoint FPoint1{0, 0};  // the first "pt"
    TPoint FPoint2{0, 0};  // the last "pt" after the first
};
