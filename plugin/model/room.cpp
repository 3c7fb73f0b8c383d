#include "model/room.h"

#include <array>

#include "model/attribute.h"
#include "model/board_reading.h"
#include "model/pcb_poly.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 3> kFillPatterns{{
    {"Clear", rfClear},
    {"Solid", rfSolid},
    {"Hatched", rfHatched},
}};

constexpr std::array<wordtab::TWordCode, 3> kPlacementSides{{
    {"top", rsTop},
    {"bottom", rsBottom},
    {"toporbottom", rsTopOrBottom},
}};

}  // namespace

TNimboRoomInclusionList::TNimboRoomInclusionList(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Room Inclusion List";
}

void TNimboRoomInclusionList::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (token != kw::refDesRef) return false;
        FRefDesRefs.push_back(ReadString());
        return true;
    });
}

TNimboRoom::TNimboRoom(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Room";
}

TNimboRoom::~TNimboRoom() = default;

void TNimboRoom::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::isFixed:
                FIsFixed = ReadBoolean();
                return true;
            case kw::roomFillPattern:
                FFillPattern =
                    wordtab::LookupWord(ReadString(), kFillPatterns).value_or(FFillPattern);
                return true;
            case kw::roomPlacementSide:
                FPlacementSide =
                    wordtab::LookupWord(ReadString(), kPlacementSides).value_or(FPlacementSide);
                return true;
            case kw::roomAttrMgr:
                ReadAttrs();
                return true;
            case kw::roomInclusionList:
                FInclusionList = ParseChild<TNimboRoomInclusionList>(*this);
                return true;
            case kw::pcbPoly:
                FPcbPoly = ParseChild<TNimboPcbPoly>(*this);
                return true;
            default:
                return false;
        }
    });
}

void TNimboRoom::ReadAttrs() {
    ReadAttrsInPlace(*this, FAttrs);
}
