#include "model/info_point.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 4> kViolationTypes{{
    {"InfoPointErrorViolation", ivError},
    {"InfoPointWarningViolation", ivWarning},
    {"InfoPointIgnoredViolation", ivIgnored},
    {"InfoPointOverriddenViolation", ivOverridden},
}};

}  // namespace

TNimboInfoPoint::TNimboInfoPoint(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "InfoPoint";
}

void TNimboInfoPoint::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::clearance:
                FClearance = ReadLength();
                return true;
            case kw::desc:
                FDesc = ReadString();
                return true;
            case kw::infoPointRuleCategory:
                FRuleCategory = ReadString();
                return true;
            case kw::infoPointRuleType:
                FRuleType = ReadString();
                return true;
            case kw::infoPointViolationNumber:
                FViolationNumber = ReadInteger();
                return true;
            case kw::severity:
                FSeverity = ReadInteger();
                return true;
            case kw::infoPointViolationType:
                FViolationType =
                    wordtab::LookupWord(ReadString(), kViolationTypes).value_or(FViolationType);
                return true;
            default:
                return false;
        }
    });
}
