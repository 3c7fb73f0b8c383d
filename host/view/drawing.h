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

// A numbered mark drawn over a sheet where a report message or a connectivity difference
// points.
struct TWarningMark {
    enum class TSource { ReportMessage, Connectivity };
    TPointD At;         // host units
    std::string Label;  // short, e.g. "I3", "C2"
    std::string Text;   // the message (UTF-8), shown as the mark's tooltip
    TSource Source = TSource::ReportMessage;
};

struct TDrawing {
    std::string Svg;
    TBox ViewBox;  // host units
    std::vector<TLinkArea> Links;
};

}  // namespace view
