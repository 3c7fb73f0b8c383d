#include "model/field.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboField::TNimboField(TNimboObject* owner) : TNimboDrawObject(owner) {}

// A quoted string in the section (the field's sample text) is passed over.
void TNimboField::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
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
            case kw::justify:
                ApplyJustifyWord(ReadString(), FJustify);
                return true;
            case kw::textStyleRef:
                FTextStyleRef = ReadString();
                return true;
            default:
                return false;
        }
    });
}
