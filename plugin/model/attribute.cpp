#include "model/attribute.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboAttr::TNimboAttr(TNimboObject* owner) : TNimboPlacedText(owner) {}

void TNimboAttr::Parse() {
    FName = ReadString();
    FValue = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        if (ReadPlacement(token)) return true;
        switch (token) {
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::constraintFormula:
                FConstraintFormula = ReadString();
                return true;
            case kw::constraintComment:
                FConstraintComment = ReadString();
                return true;
            case kw::constraintUnits:
                FConstraintUnits = ReadString();
                return true;
            default:
                return false;
        }
    });
}

void ReadAttrsInPlace(TNimboObject& self, std::vector<std::unique_ptr<TNimboAttr>>& attrs,
                      int32_t groupLevel) {
    ReadGroupInPlace(
        self,
        [&](int32_t token) {
            if (token != kw::attr) return false;
            attrs.push_back(ParseChild<TNimboAttr>(self));
            return true;
        },
        groupLevel);
}
