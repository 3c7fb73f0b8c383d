// Wrapper of the editor's sheet symbols. The editor gives every new sheet symbol its own two
// text objects (sheet name, file name); their handles come with a read.
#pragma once

#include "host/sch_object.h"

class TSchSheetSymbol : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoSheetSymbol;
    explicit TSchSheetSymbol(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FPassThrough1 = 0;
    int32_t FXSize = 0;  // width [host units]
    int32_t FYSize = 0;  // height [host units]
    SchHandle FSheetNameField = 0;
    SchHandle FFileNameField = 0;
    uint8_t FPassThrough2 = 0;
    uint8_t FPassThrough3 = 0;
    int32_t FPassThrough4 = 0;
};
