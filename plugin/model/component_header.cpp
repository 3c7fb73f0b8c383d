#include "model/component_header.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 5> kCompTypes{{
    {"Normal", kCompNormal},
    {"Power", kCompPower},
    {"SheetConnector", kCompSheetConnector},
    {"Link", kCompLink},
    {"Module", kCompModule},
}};

constexpr std::array<wordtab::TWordCode, 2> kCompositions{{
    {"Homogeneous", 0},
    {"Heterogeneous", 1},
}};

constexpr std::array<wordtab::TWordCode, 2> kNumTypes{{
    {"Alphabetic", 0},
    {"Numeric", 1},
}};

}  // namespace

TNimboComponentHeader::TNimboComponentHeader(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "Component Header";
}

void TNimboComponentHeader::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::sourceLibrary:
                FSourceLibrary = ReadString();
                return true;
            case kw::compType:
                wordtab::ApplyWord(ReadString(), kCompTypes, FCompType);
                return true;
            case kw::numPins:
                FNumPins = ReadInteger();
                return true;
            case kw::numParts:
                FNumParts = ReadInteger();
                return true;
            case kw::composition:
                wordtab::ApplyWord(ReadString(), kCompositions, FComposition);
                return true;
            case kw::alts:
                ParseAlts();
                return true;
            case kw::refDesPrefix:
                FRefDesPrefix = ReadString();
                return true;
            case kw::numType:
                wordtab::ApplyWord(ReadString(), kNumTypes, FNumType);
                return true;
            default:
                return false;
        }
    });
}

// The `alts` group is read in place: its ")" brings FDepth back to the header's own level.
void TNimboComponentHeader::ParseAlts() {
    ReadGroupInPlace(*this, [this](int32_t token) {
        switch (token) {
            case kw::ieeeAlt:
                FIeeeAlt = ReadBoolean();
                return true;
            case kw::deMorganAlt:
                FDeMorganAlt = ReadBoolean();
                return true;
            default:
                return false;
        }
    });
}
