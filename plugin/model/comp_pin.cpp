#include "model/comp_pin.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 11> kPinTypes{{
    {"Unknown", kPinTypeUnknown},
    {"Passive", kPinTypePassive},
    {"Input", kPinTypeInput},
    {"Output", kPinTypeOutput},
    {"Bidirectional", kPinTypeBidirectional},
    {"OpenH", kPinTypeOpenH},
    {"OpenL", kPinTypeOpenL},
    {"PassiveH", kPinTypePassiveH},
    {"PassiveL", kPinTypePassiveL},
    {"ThreeState", kPinTypeThreeState},
    {"Power", kPinTypePower},
}};

}  // namespace

TNimboCompPin::TNimboCompPin(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "CompPin";
}

void TNimboCompPin::Parse() {
    FPinDesignator = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pinName:
                FPinName = ReadString();
                return true;
            case kw::partNum:
                FPartNum = ReadInteger();
                return true;
            case kw::symPinNum:
                FSymPinNum = ReadInteger();
                return true;
            case kw::gateEq:
                FGateEq = ReadInteger();
                return true;
            case kw::pinEq:
                FPinEq = ReadInteger();
                return true;
            case kw::pinType:
                wordtab::ApplyWord(ReadString(), kPinTypes, FPinType);
                return true;
            default:
                return false;
        }
    });
}
