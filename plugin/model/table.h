// TNimboTable: a note, drill or power table placed on a sheet; read, creates nothing.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboTable : public TNimboDrawObject {
  public:
    explicit TNimboTable(TNimboObject* owner);
    void Parse() override;

    // 0 "noteTable", 1 "RevisionNoteTable", 2 "drillTable", 3 "SpareGateTable",
    // 4 "PowerTable", 5 "NetIndexTable".
    uint8_t FTableType = 0;
    TPoint FPt;              // host units
    int32_t FWidth = 0;      // length, host units
    TPoint FExtent;          // host units
    double FRotation = 0.0;  // degrees
    std::string FTitle;
    std::string FTextStyleRef;
    // 0 "DrillTableInfo", 1 "PowerTableInfo", 2 "NoteTableInfo".
    uint8_t FTableInfo = 2;
};
