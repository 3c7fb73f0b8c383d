#pragma once
// A bus: a named polyline that becomes a host bus of line width 2.

#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboBus : public TNimboDrawObject {
  public:
    explicit TNimboBus(TNimboObject* owner);

    void Parse() override;
    void Translate() override;

    std::string FName;
    bool FDispName = false;       // read, not used
    std::vector<TPoint> FPoints;  // host units, file order
};
