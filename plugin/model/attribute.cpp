#include "model/attribute.h"

#include "model/parse_loop.h"
#include "reader/keywords.h"

TNimboAttr::TNimboAttr(TNimboObject* owner) : TNimboDrawObject(owner) {}

void TNimboAttr::Parse() {
    FName = ReadString();
    FValue = ReadString();
    section::ParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::justify:
                ApplyJustifyWord(ReadString(), FJustify);
                return true;
            case kw::textStyleRef:
                FTextStyleRef = ReadString();
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
