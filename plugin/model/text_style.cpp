#include "model/text_style.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

// ---- TNimboFont ----------------------------------------------------------------------------

namespace {

constexpr std::array<wordtab::TWordCode, 2> kFontFamilies{{
    {"Serif", kFontFamilySerif},
    {"Sanserif", kFontFamilySanserif},
}};

}  // namespace

TNimboFont::TNimboFont(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "Font";
}

void TNimboFont::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::fontType:
                FFontType = wordtab::SameText(ReadString(), "Stroke") ? 0 : 1;
                return true;
            case kw::fontFamily:
                FFontFamily =
                    wordtab::LookupWord(ReadString(), kFontFamilies).value_or(kFontFamilyOther);
                return true;
            case kw::fontFace:
                FFontFace = ReadString();
                return true;
            case kw::fontHeight:
                FFontHeight = ReadLength();
                return true;
            case kw::strokeWidth:
                FStrokeWidth = ReadLength();
                return true;
            case kw::fontWeight:
                FFontWeight = ReadInteger();
                return true;
            case kw::fontItalic:
                FFontItalic = ReadBoolean();
                return true;
            case kw::fontCharSet:
                FFontCharSet = ReadInteger();
                return true;
            case kw::fontOutPrecision:
                FFontOutPrecision = ReadInteger();
                return true;
            case kw::fontClipPrecision:
                FFontClipPrecision = ReadInteger();
                return true;
            case kw::fontQuality:
                FFontQuality = ReadInteger();
                return true;
            case kw::fontPitchAndFamily:
                FFontPitchAndFamily = ReadInteger();
                return true;
            default:
                return false;
        }
    });
}

// ---- TNimboTextStyleDef --------------------------------------------------------------------

TNimboTextStyleDef::TNimboTextStyleDef(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "TextStyleDef";
}

void TNimboTextStyleDef::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::font:
                FFont = ParseChild<TNimboFont>(*this);
                return true;
            case kw::textStyleAllowTType:
                FAllowTType = ReadBoolean();
                return true;
            case kw::textStyleDisplayTType:
                FDisplayTType = ReadBoolean();
                return true;
            default:
                return false;
        }
    });
}
