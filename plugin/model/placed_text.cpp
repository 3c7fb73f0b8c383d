#include "model/placed_text.h"

#include "reader/keywords.h"

TNimboPlacedText::TNimboPlacedText(TNimboObject* owner) : TNimboDrawObject(owner) {}

bool TNimboPlacedText::ReadPlacement(int32_t token) {
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
}
