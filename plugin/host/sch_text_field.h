// Wrapper of the editor's text objects: the designator, comment, parameter and sheet texts that
// belong to a part or a sheet symbol. The module only changes existing ones.
#pragma once

#include "host/sch_object.h"
#include "host/sch_text.h"

class TSchTextField : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoText;
    explicit TSchTextField(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FIsHidden = 0;  // 1 hides the text
    int32_t FPassThrough = 0;
    TSchText FText;
    uint8_t FOrientation = 0;  // quarter turns, 0 to 3
};

// Both names wrap a text object and behave identically.
using TText = TSchTextField;
