#pragma once
// A "layerDef" section of a board design. Read only; its layer number also names the layer in
// the library's FLayerNames table.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboTitleSheet;

// Codes of "layerBias".
enum TLayerBias : uint8_t { lbAutoBias = 0, lbHorizBias = 1, lbVertBias = 2 };

class TNimboLayerDef : public TNimboDesignObject {
  public:
    explicit TNimboLayerDef(TNimboObject* owner);
    ~TNimboLayerDef() override;
    void Parse() override;

    std::string FName;
    int32_t FLayerNum = 0;
    uint8_t FLayerType = 0;  // TLayerType (model/hole_style.h)
    uint8_t FLayerBias = lbAutoBias;
    std::string FFieldSetRef;
    std::string FNetNameRef;  // "netNameRef" or "planeNetNameRef", the later one read
    std::vector<std::unique_ptr<TNimboObject>> FAttrs;  // TNimboAttr, file order
    std::unique_ptr<TNimboTitleSheet> FTitleSheet;      // the last "titleSheet" read
};
