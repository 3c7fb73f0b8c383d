#pragma once
// A cross reference ("xRef") on a sheet or title sheet. Its section, nested groups and texts
// included, is passed over whole; it creates nothing.

#include "reader/nimbo_object.h"

class TNimboXRef : public TNimboDrawObject {
  public:
    explicit TNimboXRef(TNimboObject* owner);
    void Parse() override;
};
