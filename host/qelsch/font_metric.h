// The fixed font metric with which the editor measures texts: every character of a font has the
// same advance and height. Plug-ins justify multi-line texts by these extents.
#pragma once

#include <cstdint>
#include <string_view>

namespace qelsch {

// Character advance and line height in host units (10 mil).
struct FontMetric {
    int32_t charWidth;
    int32_t charHeight;
};

// Font 1 (the default): 6 x 10; font 2: 7 x 12; font 3: 8 x 14. Any other id measures as font 1.
FontMetric MetricOfFont(int32_t fontId);

// Extent of a text laid out from its anchor without rotation, in host units: the longest line
// times the advance, and the line count times the line height. Lines end at CR, LF or CR LF;
// characters are bytes, except that the continuation bytes of valid UTF-8 do not count.
struct TextExtent {
    int64_t width;
    int64_t height;
};
TextExtent MeasureText(std::string_view text, const FontMetric& metric);

}  // namespace qelsch
