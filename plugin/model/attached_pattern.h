// TNimboAttachedPattern: a footprint attached to a component definition, with its pad to pin
// map (read and kept; the import uses only the number and the name).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboPadPinMapEntry : public TNimboObject {
  public:
    explicit TNimboPadPinMapEntry(TNimboObject* owner);

    int32_t FPadNum = 0;
    std::string FCompPinRef;
};

class TNimboAttachedPattern : public TNimboObject {
  public:
    explicit TNimboAttachedPattern(TNimboObject* owner);
    void Parse() override;

    int32_t FPatternNum = 0;
    std::string FPatternName;
    int32_t FNumPads = 0;
    std::vector<std::unique_ptr<TNimboPadPinMapEntry>> FPadPinMap;

  private:
    void ParsePadPinMap();
};
