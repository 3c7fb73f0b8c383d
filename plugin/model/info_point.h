#pragma once
// An information point ("infoPoint"): a rule-check marker that may stand on a board, a sheet, a
// title sheet or in a symbol definition. Read only; it creates nothing.

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

// Codes of "infoPointViolationType".
enum TInfoPointViolation : uint8_t {
    ivError = 0,
    ivWarning = 1,
    ivIgnored = 2,
    ivOverridden = 3,
};

class TNimboInfoPoint : public TNimboDrawObject {
  public:
    explicit TNimboInfoPoint(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};        // in the units the owner reads in
    int32_t FClearance = 0;  // in the units the owner reads in
    std::string FDesc;
    std::string FRuleCategory;  // "infoPointRuleCategory"
    std::string FRuleType;      // "infoPointRuleType"
    int32_t FViolationNumber = 0;
    int32_t FSeverity = 0;
    uint8_t FViolationType = ivIgnored;  // TInfoPointViolation
};
