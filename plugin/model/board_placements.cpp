#include "model/board_placements.h"

#include "model/attribute.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPad::TNimboPad(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Pad";
}

void TNimboPad::Parse() {
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
            case kw::padNum:
                FPadNum = ReadString();
                return true;
            case kw::padStyleRef:
                FPadStyleRef = ReadString();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            default:
                return false;
        }
    });
}

TNimboVia::TNimboVia(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Via";
}

void TNimboVia::Parse() {
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
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::viaStyleRef:
                FViaStyleRef = ReadString();
                return true;
            default:
                return false;
        }
    });
}

TNimboPattern::TNimboPattern(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Pattern";
}

TNimboPattern::~TNimboPattern() = default;

void TNimboPattern::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFixed:
                FIsFixed = ReadBoolean();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::patternRef:
                FPatternRef = ReadString();
                return true;
            case kw::refDesRef:
                FRefDesRef = ReadString();
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            default:
                return false;
        }
    });
}
