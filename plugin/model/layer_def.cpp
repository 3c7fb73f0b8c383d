#include "model/layer_def.h"

#include <array>

#include "model/attribute.h"
#include "model/library.h"
#include "model/title_sheet.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 3> kLayerTypes{{
    {"Signal", ltSignal},
    {"Plane", ltPlane},
    {"NonSignal", ltNonSignal},
}};

constexpr std::array<wordtab::TWordCode, 3> kLayerBiases{{
    {"AutoBias", lbAutoBias},
    {"HorizBias", lbHorizBias},
    {"VertBias", lbVertBias},
}};

}  // namespace

uint8_t ReadLayerType(TNimboObject& self, uint8_t current) {
    return wordtab::LookupWord(self.ReadString(), kLayerTypes).value_or(current);
}

TNimboLayerDef::TNimboLayerDef(TNimboObject* owner) : TNimboDesignObject(owner) {
    FKindName = "LayerDef";
}

TNimboLayerDef::~TNimboLayerDef() = default;

void TNimboLayerDef::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::layerNum:
                FLayerNum = ReadInteger();
                NameLayerInLibrary();
                return true;
            case kw::layerType:
                FLayerType = ReadLayerType(*this, FLayerType);
                return true;
            case kw::layerBias:
                FLayerBias = wordtab::LookupWord(ReadString(), kLayerBiases).value_or(FLayerBias);
                return true;
            case kw::fieldSetRef:
                FFieldSetRef = ReadString();
                return true;
            case kw::netNameRef:
            case kw::planeNetNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            case kw::titleSheet:
                FTitleSheet = ParseChild<TNimboTitleSheet>(*this);
                return true;
            default:
                return false;
        }
    });
}

void TNimboLayerDef::NameLayerInLibrary() {
    // The table has entries 0..100 only, and a board file may carry no library before its
    // design; either way there is nowhere to write and nothing reads the table.
    TNimboLibrary* library = TNimboLibrary::Of(this);
    if (library == nullptr || FLayerNum < 0 ||
        FLayerNum >= static_cast<int32_t>(library->FLayerNames.size()))
        return;
    library->FLayerNames[static_cast<size_t>(FLayerNum)] = FName;
}
