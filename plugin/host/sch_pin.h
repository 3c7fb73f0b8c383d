// Wrapper of the editor's pins.
#pragma once

#include "host/sch_object.h"
#include "host/sch_text.h"

class TPin : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoPin;
    explicit TPin(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    TSchText FName;
    TSchText FDesignator;
    uint8_t FDot = 0;       // outside dot mark
    uint8_t FClock = 0;     // inside clock mark
    uint8_t FAddedPin = 0;  // 1 on pins added for component pins that no symbol draws
    uint8_t FShowName = 0;
    uint8_t FShowDesignator = 0;
    uint8_t FElectrical = 0;   // the editor's electrical type code
    int32_t FLength = 0;       // [host units]
    uint8_t FOrientation = 0;  // quarter turns, 0 to 3
};
