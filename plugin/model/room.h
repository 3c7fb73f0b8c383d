#pragma once
// A placement room ("room") with its inclusion list. Read only; it creates nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboPcbPoly;

// Codes of "roomFillPattern".
enum TRoomFillPattern : uint8_t { rfClear = 0, rfSolid = 1, rfHatched = 2 };

// Codes of "roomPlacementSide".
enum TRoomPlacementSide : uint8_t { rsTop = 0, rsBottom = 1, rsTopOrBottom = 2 };

class TNimboRoomInclusionList : public TNimboDrawObject {
  public:
    explicit TNimboRoomInclusionList(TNimboObject* owner);
    void Parse() override;

    std::vector<std::string> FRefDesRefs;  // file order
};

class TNimboRoom : public TNimboDrawObject {
  public:
    explicit TNimboRoom(TNimboObject* owner);
    ~TNimboRoom() override;
    void Parse() override;

    std::string FName;
    bool FIsFixed = false;
    uint8_t FFillPattern = rfClear;                           // TRoomFillPattern
    uint8_t FPlacementSide = rsTopOrBottom;                   // TRoomPlacementSide
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;          // of "roomAttrMgr", file order
    std::unique_ptr<TNimboRoomInclusionList> FInclusionList;  // the last one read
    std::unique_ptr<TNimboPcbPoly> FPcbPoly;                  // the last one read

  private:
    void ReadAttrs();
};
