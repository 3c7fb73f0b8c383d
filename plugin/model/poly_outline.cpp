#include "model/poly_outline.h"

#include "reader/keywords.h"

TNimboPolyOutline::TNimboPolyOutline(TNimboObject* owner) : TNimboDrawObject(owner) {}

bool TNimboPolyOutline::ReadOutline(int32_t token) {
    switch (token) {
        case kw::pt:
            FPoints.push_back(ReadPoint());
            return true;
        case kw::isFlipped:
            FIsFlipped = ReadBoolean();
            return true;
        case kw::isCopperTie:
            FIsCopperTie = ReadBoolean();
            return true;
        case kw::netNameRef:
            FNetNameRef = ReadString();
            return true;
        case kw::tieNetValue:
            FTieNetValue = ReadString();
            return true;
        default:
            return false;
    }
}
