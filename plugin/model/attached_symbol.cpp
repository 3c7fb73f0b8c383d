#include "model/attached_symbol.h"

#include <array>

#include "model/library.h"
#include "model/symbol_def.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 3> kAltTypes{{
    {"Normal", kAltNormal},
    {"IEEE", kAltIeee},
    {"DeMorgan", kAltDeMorgan},
}};

}  // namespace

TNimboAttachedSymbol::TNimboAttachedSymbol(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "AttachedSymbol";
}

// ---- reading -------------------------------------------------------------------------------

void TNimboAttachedSymbol::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::partNum:
                FPartNum = ReadInteger();
                return true;
            case kw::altType:
                wordtab::ApplyWord(ReadString(), kAltTypes, FAltType);
                return true;
            case kw::symbolName:
                FSymbolName = ReadString();
                return true;
            default:
                return false;
        }
    });
}

// ---- translation ---------------------------------------------------------------------------

void TNimboAttachedSymbol::Translate() {
    const TNimboLibrary* library = TNimboLibrary::Of(this);
    TNimboSymbolDef* symbol = library ? library->FindSymbolDef(FSymbolName) : nullptr;
    if (symbol == nullptr) return;
    symbol->FDocument = FDocument;
    symbol->Translate();
}
