#pragma once
// A drawing detail ("detail"): an external drawing placed on a board. Read only.

#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboDetail : public TNimboDrawObject {
  public:
    explicit TNimboDetail(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    TPoint FExtent{0, 0};
    std::string FFileName;
    std::string FTitle;
    std::string FSubtitle;
    std::string FTextStyleRef;
};
