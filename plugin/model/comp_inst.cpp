#include "model/comp_inst.h"

#include "model/attribute.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboCompInst::TNimboCompInst(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboCompInst::~TNimboCompInst() = default;

void TNimboCompInst::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::compRef:
                FCompRef = ReadString();
                return true;
            case kw::compValue:
                FCompValue = ReadString();
                return true;
            case kw::originalName:
                FOriginalName = ReadString();
                return true;
            case kw::patternName:
                FPatternName = ReadString();
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            default:
                return false;
        }
    });
    if (FCompValue.empty()) FCompValue = FOriginalName;
}
