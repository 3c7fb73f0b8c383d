// TNimboTextStyleDef and its TNimboFont: a named text style of the library. Texts take the font
// family and height from it when they are translated; the style has no translation itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "reader/nimbo_object.h"

// Font family codes of TNimboFont::FFontFamily.
enum : uint8_t { kFontFamilySerif = 0, kFontFamilySanserif = 1, kFontFamilyOther = 2 };

class TNimboFont : public TNimboObject {
  public:
    explicit TNimboFont(TNimboObject* owner);
    void Parse() override;

    uint8_t FFontType = 0;    // 0 "Stroke", 1 any other word
    uint8_t FFontFamily = 0;  // kFontFamily...
    std::string FFontFace;
    int32_t FFontHeight = 0;   // length in the import's units (host units in a schematic import)
    int32_t FStrokeWidth = 0;  // length, as FFontHeight
    int32_t FFontWeight = 0;
    bool FFontItalic = false;
    int32_t FFontCharSet = 0;
    int32_t FFontOutPrecision = 0;
    int32_t FFontClipPrecision = 0;
    int32_t FFontQuality = 0;
    int32_t FFontPitchAndFamily = 0;
};

class TNimboTextStyleDef : public TNimboObject {
  public:
    explicit TNimboTextStyleDef(TNimboObject* owner);
    void Parse() override;

    std::string FName;
    std::unique_ptr<TNimboFont> FFont;  // the last `font` section read, or none
    bool FAllowTType = true;
    bool FDisplayTType = true;
};
