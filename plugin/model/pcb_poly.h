#pragma once
// Board polygons ("pcbPoly") and the cut-outs and keep-outs that read exactly like them, with
// their fillets. Read only; they create nothing. Lengths are in the units the owner reads in.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "model/poly_outline.h"
#include "reader/nimbo_object.h"

// The "fillets" of a polygon: a default radius, then one entry per "filletDesc".
class TNimboFillets : public TNimboDrawObject {
  public:
    struct TFillet {
        TPoint FPt{0, 0};
        int32_t FRadius = 0;
    };

    explicit TNimboFillets(TNimboObject* owner);
    void Parse() override;

    int32_t FRadius = 0;  // the first value of the section
    // An entry is kept once its radius is read.
    std::vector<TFillet> FFillets;
};

class TNimboPcbPoly : public TNimboPolyOutline {
  public:
    explicit TNimboPcbPoly(TNimboObject* owner);
    ~TNimboPcbPoly() override;
    void Parse() override;

    // The points of nested "pcbPoly" groups join FPoints.
    std::unique_ptr<TNimboFillets> FFillets;  // the last one read
};

class TNimboPolyCutOut : public TNimboPcbPoly {
  public:
    explicit TNimboPolyCutOut(TNimboObject* owner);
};

class TNimboPolyKeepOut : public TNimboPcbPoly {
  public:
    explicit TNimboPolyKeepOut(TNimboObject* owner);
};
