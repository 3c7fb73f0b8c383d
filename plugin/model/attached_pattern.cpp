#include "model/attached_pattern.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPadPinMapEntry::TNimboPadPinMapEntry(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "PadPinMapEntry";
}

TNimboAttachedPattern::TNimboAttachedPattern(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "AttachedPattern";
}

void TNimboAttachedPattern::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::patternNum:
                FPatternNum = ReadInteger();
                return true;
            case kw::patternName:
                FPatternName = ReadString();
                return true;
            case kw::numPads:
                FNumPads = ReadInteger();
                return true;
            case kw::padPinMap:
                ParsePadPinMap();
                return true;
            default:
                return false;
        }
    });
}

// The map is read in place: each `padNum` starts an entry, which is kept once its
// `compPinRef` comes. A `compPinRef` with no entry started has nowhere to go and is dropped.
void TNimboAttachedPattern::ParsePadPinMap() {
    std::unique_ptr<TNimboPadPinMapEntry> entry;
    ReadGroupInPlace(*this, [this, &entry](int32_t token) {
        switch (token) {
            case kw::padNum:
                entry = std::make_unique<TNimboPadPinMapEntry>(this);
                entry->FPadNum = ReadInteger();
                return true;
            case kw::compPinRef: {
                std::string pin = ReadString();
                if (entry == nullptr) return true;
                entry->FCompPinRef = std::move(pin);
                FPadPinMap.push_back(std::move(entry));
                return true;
            }
            default:
                return false;
        }
    });
}
