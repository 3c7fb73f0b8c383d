#include "model/component_def.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

// Reading of a component definition; its translation is the library import
// (library_import.cpp).

TNimboCompDef::TNimboCompDef(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "Component Def";
}

TNimboCompDef::~TNimboCompDef() = default;

void TNimboCompDef::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::originalName:
                FOriginalName = ReadString();
                return true;
            case kw::compHeader:
                FHeader = ParseChild<TNimboComponentHeader>(*this);
                return true;
            case kw::compPin:
                FCompPins.push_back(ParseChild<TNimboCompPin>(*this));
                return true;
            case kw::attachedSymbol:
                FAttachedSymbols.push_back(ParseChild<TNimboAttachedSymbol>(*this));
                return true;
            case kw::attachedPattern:
                FAttachedPatterns.push_back(ParseChild<TNimboAttachedPattern>(*this));
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            default:
                return false;
        }
    });
}
