// A finished SVG picture and what a page showing it needs to know about it.
#pragma once

#include <string>
#include <vector>

#include "placement.h"

namespace view {

// An area of a picture that leads somewhere (a sheet symbol to its sheet), host units.
struct TLinkArea {
    TBox Box;
    std::string Href;  // the relative URL the picture itself links to
};

// A numbered mark drawn over a sheet where a report message points.
struct TWarningMark {
    TPointD At;         // host units
    std::string Label;  // short, e.g. "I3"
    std::string Text;   // the message (UTF-8), shown as the mark's tooltip
};

struct TDrawing {
    std::string Svg;
    TBox ViewBox;  // host units
    std::vector<TLinkArea> Links;
};

}  // namespace view
