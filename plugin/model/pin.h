// TNimboPin: a pin drawn by a symbol definition (or standing on a sheet), and its display
// switches. Its host pin carries the pin number as both texts until the library import's pin
// pass names it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboText;

class TNimboPinDisplay : public TNimboDrawObject {
  public:
    explicit TNimboPinDisplay(TNimboObject* owner);
    void Parse() override;

    bool FShowPinDes = true;
    bool FShowPinName = false;
};

class TNimboPin : public TNimboDrawObject {
  public:
    explicit TNimboPin(TNimboObject* owner);
    ~TNimboPin() override;
    void Parse() override;
    void Translate() override;

    int32_t FPinNum = 0;
    std::string FPinName;    // the string of the `pinName` section's text
    TPoint FPt;              // host units, relative to the symbol origin in a symbol definition
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    int32_t FPinLength = 30;  // host units
    bool FDot = false;        // outside edge "Dot"
    bool FClock = false;      // inside edge "Clock"
    std::unique_ptr<TNimboPinDisplay> FDisplay;
    std::unique_ptr<TNimboText> FPinDes;  // the `pinDes` section's text; kept, not translated
    uint32_t FHostPin = 0;                // the host pin made by Translate

  private:
    std::unique_ptr<TNimboText> ParseTextSection();
};
