// TNimboText: a free text of one or more lines; each line becomes one host annotation in the
// text style's font, justified on the extent the host measures for it.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"
#include "model/placed_text.h"

class TNimboText : public TNimboPlacedText {
  public:
    explicit TNimboText(TNimboObject* owner);
    void Parse() override;
    // One annotation per line of FText, each line one font height below the one before when
    // the text style has a font. FText and FPt stay as read: a symbol definition's text is
    // translated once per part that draws the symbol. FHostHandle is the last annotation made.
    void Translate() override;

    // Lines are separated by a carriage return, optionally followed by a line feed.
    std::string FText;
    TPoint FExtent;  // width, height as read; not used

  private:
    void Justify();
};
