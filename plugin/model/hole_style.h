#pragma once
// What pad and via styles share: a drilled hole and a list of shapes by layer. Both kinds read
// their section through ReadSection; their Parse stays the empty one of the base.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "model/layer_def.h"
#include "reader/nimbo_object.h"

// Shape codes of "padShapeType" / "viaShapeType": 0 until a known word is read. Vias know the
// codes up to psPolygon only.
enum TPadShapeType : uint8_t {
    psNone = 0,
    psEllipse = 1,
    psOval = 2,
    psRect = 3,
    psRndRect = 4,
    psThrm2 = 5,
    psThrm2_90 = 6,
    psThrm4 = 7,
    psThrm4_45 = 8,
    psDirect = 9,
    psNoConnect = 10,
    psPolygon = 11,
    psTarget = 12,
    psMtHole = 13,
};

// One shape group of a pad or via style. Lengths are in the units the owner reads in
// (schematic units inside a library).
class TNimboShapeByLayer : public TNimboObject {
  public:
    virtual void ReadSection();

    int32_t FLayerNumRef = 0;
    uint8_t FLayerType = ltNone;  // TLayerType
    bool FNoCopperPourConnect = false;
    int32_t FSpokeWidth = 0;
    int32_t FShapeWidth = 0;
    int32_t FShapeHeight = 0;
    int32_t FOutsideDiam = 0;
    int32_t FInsideDiam = 0;
    double FRotation = 0.0;  // degrees
    int32_t FSides = 0;
    uint8_t FShapeType = psNone;  // TPadShapeType

  protected:
    // shapeTypeKeyword: the keyword id of "padShapeType" or "viaShapeType"; shapeDfnKeyword: the
    // group that may hold it ("padShapeDfn", "viaShapeDfn"); highestCode: the last shape code
    // that kind recognises.
    TNimboShapeByLayer(TNimboObject* owner, int32_t shapeTypeKeyword, int32_t shapeDfnKeyword,
                       uint8_t highestCode);

  private:
    void ReadSizeOrGroup(int32_t& size);
    void ReadShapeType();

    int32_t FShapeTypeKeyword;
    int32_t FShapeDfnKeyword;
    uint8_t FHighestCode;
};

class TNimboHoleStyleDef : public TNimboObject {
  public:
    ~TNimboHoleStyleDef() override;
    virtual void ReadSection();

    std::string FName;
    int32_t FHoleDiam = 0;
    bool FIsHolePlated = true;
    TPoint FHoleOffset{0, 0};
    bool FUseGlobalSwell = true;
    int32_t FLocalSwell = 0;
    int32_t FStartRange = 0;
    int32_t FEndRange = 0;
    std::vector<std::unique_ptr<TNimboShapeByLayer>> FShapes;  // file order

  protected:
    // shapeKeyword: the keyword id of "padShape" or "viaShape".
    TNimboHoleStyleDef(TNimboObject* owner, int32_t shapeKeyword);
    virtual std::unique_ptr<TNimboShapeByLayer> NewShape() = 0;

  private:
    int32_t FShapeKeyword;
};
