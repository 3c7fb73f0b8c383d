#pragma once
// Pattern (footprint) definitions ("patternDef" in the library) and the layer contents that hold
// board drawing objects. Read only; the library registers a pattern under FName.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboLayerContents;

class TNimboPatternDef : public TNimboObject {
  public:
    explicit TNimboPatternDef(TNimboObject* owner);
    ~TNimboPatternDef() override;
    void Parse() override;

    std::string FName;
    std::string FOriginalName;
    std::vector<std::unique_ptr<TNimboObject>> FMultiLayer;  // drawing objects, file order
    std::vector<std::unique_ptr<TNimboLayerContents>> FLayerContents;
};
