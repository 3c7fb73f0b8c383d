#include "kicad_units.h"

#include <cstdlib>

namespace kicad {

std::string MmText(int64_t micrometres) {
    const bool negative = micrometres < 0;
    // Magnitude as unsigned, so that the most negative value has one too.
    const uint64_t magnitude = negative ? uint64_t{0} - static_cast<uint64_t>(micrometres)
                                        : static_cast<uint64_t>(micrometres);
    std::string text = std::to_string(magnitude / 1000);
    uint64_t fraction = magnitude % 1000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 3 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += '.' + digits;
    }
    return negative && magnitude != 0 ? '-' + text : text;
}

std::string XyText(const TKiPoint& p) {
    return "(xy " + PairText(p) + ")";
}

std::string PairText(const TKiPoint& p) {
    return MmText(p.X) + " " + MmText(p.Y);
}

}  // namespace kicad
