#pragma once
// A "layerDef" section of a board design. Read only; its layer number also names the layer in
// the library's FLayerNames table.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboTitleSheet;

// Layer types of the "layerType" word: 0 until a known word is read.
enum TLayerType : uint8_t { ltNone = 0, ltSignal = 1, ltPlane = 2, ltNonSignal = 3 };

// The code of the next word as a layer type; `current` when the word is none.
uint8_t ReadLayerType(TNimboObject& self, uint8_t current);

// Codes of "layerBias".
enum TLayerBias : uint8_t { lbAutoBias = 0, lbHorizBias = 1, lbVertBias = 2 };

class TNimboLayerDef : public TNimboDesignObject {
  public:
    explicit TNimboLayerDef(TNimboObject* owner);
    ~TNimboLayerDef() override;
    void Parse() override;

    std::string FName;
    int32_t FLayerNum = 0;
    uint8_t FLayerType = ltNone;  // TLayerType
    uint8_t FLayerBias = lbAutoBias;
    std::string FFieldSetRef;
    std::string FNetNameRef;  // "netNameRef" or "planeNetNameRef", the later one read
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;  // file order
    std::unique_ptr<TNimboTitleSheet> FTitleSheet;    // the last "titleSheet" read

  private:
    // Stores FName as entry FLayerNum of the library's FLayerNames, when there is one.
    void NameLayerInLibrary();
};
