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
    // One annotation per line of FText. Consumes FText, and lowers FPt by the font height per
    // line when the text style has a font. FHostHandle is the last annotation made.
    void Translate() override;

    // Lines are separated by a carriage return, optionally followed by a line feed.
    std::string FText;
    TPoint FExtent;  // width, height as read; not used

  private:
    std::string TakeFirstLine();
    void Justify();
};
