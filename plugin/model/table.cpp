#include "model/table.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 6> kTableTypes{{
    {"noteTable", 0},
    {"RevisionNoteTable", 1},
    {"drillTable", 2},
    {"SpareGateTable", 3},
    {"PowerTable", 4},
    {"NetIndexTable", 5},
}};

constexpr std::array<wordtab::TWordCode, 3> kTableInfos{{
    {"DrillTableInfo", 0},
    {"PowerTableInfo", 1},
    {"NoteTableInfo", 2},
}};

}  // namespace

TNimboTable::TNimboTable(TNimboObject* owner) : TNimboDrawObject(owner) {}

void TNimboTable::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::tableType:
                wordtab::ApplyWord(ReadString(), kTableTypes, FTableType);
                return true;
            case kw::tableInfo:
                wordtab::ApplyWord(ReadString(), kTableInfos, FTableInfo);
                return true;
            case kw::title:
                FTitle = ReadString();
                return true;
            case kw::textStyleRef:
                FTextStyleRef = ReadString();
                return true;
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::extent:
                FExtent = ReadPoint();
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            default:
                return false;
        }
    });
}
