#pragma once
// The title sheet (its drawing objects become a document of their own when it has a name) with
// its border and zones, which are read and kept.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboBorder : public TNimboObject {
  public:
    explicit TNimboBorder(TNimboObject* owner);
    void Parse() override;

    bool FIsVisible = true;
    int32_t FHeight = 0;  // lengths in the units of the import
    int32_t FWidth = 0;
    TPoint FOffset{0, 0};
};

class TNimboZones : public TNimboObject {
  public:
    struct TZoneRow {
        int32_t FCount = 0;
        uint8_t FDirection = 0;  // 0 "Ascending", 1 "Descending"
        uint8_t FNumType = 0;    // 0 "Alphabetic", 1 "Numeric"
    };

    explicit TNimboZones(TNimboObject* owner);
    void Parse() override;

    bool FIsVisible = true;
    std::string FTextStyleRef;
    TZoneRow FHorizontal;
    TZoneRow FVertical;

  private:
    void ParseRow(TZoneRow& row);
};

class TNimboTitleSheet : public TNimboDesignObject {
  public:
    explicit TNimboTitleSheet(TNimboObject* owner);
    ~TNimboTitleSheet() override;

    void Parse() override;
    // Opens a document named FName (nothing when the name is empty) and draws the objects into it.
    void Translate() override;

    std::string FName;
    double FScale = 1.0;
    bool FIsVisible = false;
    TPoint FOffset{0, 0};
    std::unique_ptr<TNimboBorder> FBorder;
    std::unique_ptr<TNimboZones> FZones;
    std::vector<std::unique_ptr<TNimboObject>> FDrawObjects;
};
