// Wrapper of the editor's parts (placed components). The editor gives every new part its own
// designator, comment, sheet-file-name and 16 parameter text objects; their handles come with a
// read, and an unused parameter holds the text "*".
#pragma once

#include <array>
#include <string>

#include "host/sch_object.h"
#include "host/sch_text.h"

class TSchPart : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoPart;
    static constexpr size_t kPartFieldCount = 16;
    static constexpr size_t kMaxUniqueIdLength = 255;  // bytes

    explicit TSchPart(SchHandle handle = 0);
    // Exchanges the part, then its unique identifier; answers the part exchange's result.
    int32_t Query(int32_t mode) override;

    // Read and written back unchanged; "$$$" until the first read. At most 255 bytes.
    std::string FUniqueId = "$$$";
    uint8_t FPassThrough1 = 0;
    uint8_t FMirrored = 0;
    uint8_t FOrientation = 0;    // quarter turns, 0 to 3
    int32_t FCurrentPartId = 0;  // which part of a multi-part component, from 1
    uint8_t FPassThrough2 = 0;
    uint8_t FPassThrough3 = 0;
    TSchText FLibReference;
    TSchText FFootprint;
    SchHandle FDesignatorField = 0;
    SchHandle FCommentField = 0;
    TSchText FPassThroughText;
    int32_t FPassThroughValue = 0;
    std::array<SchHandle, kPartFieldCount> FPartFields{};  // parameter texts 0 to 15
    std::array<TSchText, 8> FPassThroughTexts;
    TSchText FPassThroughLastText;
    SchHandle FSheetFileNameField = 0;
    uint8_t FPassThrough4 = 0;
    uint8_t FPassThrough5 = 0;
    int32_t FPassThroughValue2 = 0;
    int32_t FPassThroughValue3 = 0;

  private:
    int32_t QueryUniqueId(int32_t mode);
};
