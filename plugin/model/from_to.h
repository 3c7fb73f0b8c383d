#pragma once
// A from-to ("fromTo"): a routing constraint between two points of a net. Read only.

#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboFromTo : public TNimboDrawObject {
  public:
    explicit TNimboFromTo(TNimboObject* owner);
    void Parse() override;

    std::string FNetNameRef;
    TPoint FFrom{0, 0};  // the first "pt"
    TPoint FTo{0, 0};    // the second "pt"
};
