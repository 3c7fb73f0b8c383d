#include "font_metric.h"

#include <algorithm>

#include "code_page.h"

namespace qelsch {

FontMetric MetricOfFont(int32_t fontId) {
    switch (fontId) {
        case 2:
            return {7, 12};
        case 3:
            return {8, 14};
        default:
            return {6, 10};
    }
}

TextExtent MeasureText(std::string_view text, const FontMetric& metric) {
    const bool utf8 = IsValidUtf8(text);
    int64_t lines = 1;
    int64_t longest = 0;
    int64_t current = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' || byte == '\n') {
            if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            longest = std::max(longest, current);
            current = 0;
            ++lines;
        } else if (!(utf8 && (byte & 0xC0) == 0x80)) {
            ++current;
        }
    }
    longest = std::max(longest, current);
    return {longest * metric.charWidth, lines * metric.charHeight};
}

}  // namespace qelsch
