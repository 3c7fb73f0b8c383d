// TNimboComponentHeader: the `compHeader` of a component definition.
#pragma once

#include <cstdint>
#include <string>

#include "reader/nimbo_object.h"

// Component types (FCompType).
enum : uint8_t {
    kCompNormal = 0,
    kCompPower = 1,
    kCompSheetConnector = 2,
    kCompLink = 3,
    kCompModule = 4,
};

class TNimboComponentHeader : public TNimboObject {
  public:
    explicit TNimboComponentHeader(TNimboObject* owner);
    void Parse() override;

    std::string FSourceLibrary;
    uint8_t FCompType = kCompNormal;
    int32_t FNumPins = 0;
    int32_t FNumParts = 0;
    uint8_t FComposition = 0;  // 0 "Homogeneous", 1 "Heterogeneous"
    bool FIeeeAlt = false;
    bool FDeMorganAlt = false;
    std::string FRefDesPrefix;
    uint8_t FNumType = 0;  // 0 "Alphabetic", 1 "Numeric"

  private:
    void ParseAlts();
};
