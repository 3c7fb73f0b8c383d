#pragma once
// A plane area ("plane", or "planeObj" inside layer contents) of a board. Read only.

#include <cstdint>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboPlane : public TNimboDrawObject {
  public:
    explicit TNimboPlane(TNimboObject* owner);
    void Parse() override;

    std::string FNetNameRef;
    int32_t FWidth = 0;
    std::vector<TPoint> FOutline;  // the points of "planeOutline" and "pcbPoly", file order
};
