// TNimboAttachedSymbol: which symbol definition draws which part of a component definition in
// which display mode.
#pragma once

#include <cstdint>
#include <string>

#include "reader/nimbo_object.h"

// Display modes of an attached symbol (FAltType).
enum : uint8_t { kAltNormal = 0, kAltIeee = 1, kAltDeMorgan = 2 };

class TNimboAttachedSymbol : public TNimboObject {
  public:
    explicit TNimboAttachedSymbol(TNimboObject* owner);
    void Parse() override;
    // Draws the symbol definition named FSymbolName into FDocument (the library document with
    // the part and display mode already made current); nothing when no such definition.
    void Translate() override;

    int32_t FPartNum = 0;
    uint8_t FAltType = kAltNormal;
    std::string FSymbolName;
};
