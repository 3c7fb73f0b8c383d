#pragma once
// A junction dot on a sheet.

#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboJunction : public TNimboDrawObject {
  public:
    explicit TNimboJunction(TNimboObject* owner);

    void Parse() override;
    void Translate() override;

    TPoint FPt{0, 0};         // host units
    std::string FNetNameRef;  // read, not used
};
