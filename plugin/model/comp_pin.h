// TNimboCompPin: one pin of a component definition: its designator, name, the part and
// symbol pin number that draw it, and its electrical type.
#pragma once

#include <cstdint>
#include <string>

#include "reader/nimbo_object.h"

// Pin types (FPinType), in the order of the format's words.
enum : uint8_t {
    kPinTypeUnknown = 0,
    kPinTypePassive = 1,
    kPinTypeInput = 2,
    kPinTypeOutput = 3,
    kPinTypeBidirectional = 4,
    kPinTypeOpenH = 5,
    kPinTypeOpenL = 6,
    kPinTypePassiveH = 7,
    kPinTypePassiveL = 8,
    kPinTypeThreeState = 9,
    kPinTypePower = 10,
};

class TNimboCompPin : public TNimboObject {
  public:
    explicit TNimboCompPin(TNimboObject* owner);
    void Parse() override;

    std::string FPinDesignator;
    std::string FPinName;
    int32_t FPartNum = 0;
    int32_t FSymPinNum = 0;
    int32_t FGateEq = 0;
    int32_t FPinEq = 0;
    uint8_t FPinType = kPinTypeUnknown;
};
