#pragma once
// A design view ("designView"): a titled, scaled view of a board region. Read only.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

// The region of a design view: two corner points written as the first values of its section.
class TNimboDesignViewRegion : public TNimboDrawObject {
  public:
    explicit TNimboDesignViewRegion(TNimboObject* owner);
    void Parse() override;

    TPoint FCorner1{0, 0};
    TPoint FCorner2{0, 0};
};

class TNimboDesignView : public TNimboDrawObject {
  public:
    explicit TNimboDesignView(TNimboObject* owner);
    ~TNimboDesignView() override;
    void Parse() override;

    TPoint FPt{0, 0};
    double FScaleFactor = 0.0;
    bool FIsMirrored = false;
    std::string FTitle;
    std::string FSubtitle;
    std::string FTextStyleRef;
    std::vector<int32_t> FLayers;                     // "layerNumRef" of "layerList", file order
    std::unique_ptr<TNimboDesignViewRegion> FRegion;  // the last one read

  private:
    void ReadLayerList();
};
