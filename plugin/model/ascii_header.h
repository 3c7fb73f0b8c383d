// The asciiHeader section: the format version, the tool that wrote the file and the file's
// default units.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "reader/nimbo_object.h"

class TNimboAsciiHeader : public TNimboObject {
  public:
    explicit TNimboAsciiHeader(TNimboObject* owner);
    void Parse() override;

    // A missing number reads as -32000.
    int32_t FVersionMajor = 0;
    int32_t FVersionMinor = 0;
    std::array<int32_t, 6> FTimeStamp{};  // year, month, day, hour, minute, second
    std::string FProgramName;
    std::string FProgramVersion;
    std::string FCopyright;
    std::string FFileAuthor;
    std::string FHeaderString;
    std::string FGuidString;
    TFileUnits FFileUnits = fuMil;
};
