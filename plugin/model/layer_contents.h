#pragma once
// A "layerContents" section of a board design or a pattern definition: a layer number and the
// board drawing objects drawn on it. Read only.

#include <cstdint>
#include <memory>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboLayerContents : public TNimboObject {
  public:
    explicit TNimboLayerContents(TNimboObject* owner);
    void Parse() override;

    int32_t FLayerNumRef = 0;
    std::vector<std::unique_ptr<TNimboObject>> FDrawObjects;  // file order
};
