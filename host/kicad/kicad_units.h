// Lengths on their way from the editor into KiCad files.
//
// The editor counts host units of 10 mil, Y up. KiCad files count millimetres; a schematic sheet
// has Y down from the top of the page, a symbol of a library has Y up. One host unit is exactly
// 0.254 mm = 254 um, so every coordinate is held in whole micrometres (int64) and printed as an
// exact decimal: no rounding, no drift.
#pragma once

#include <cstdint>
#include <string>

#include "sch_objects.h"

namespace kicad {

inline constexpr int64_t kMicrometresPerHostUnit = 254;

// A point in micrometres, in the frame of the file it goes to.
struct TKiPoint {
    int64_t X = 0;
    int64_t Y = 0;
    friend bool operator==(const TKiPoint&, const TKiPoint&) = default;
    friend auto operator<=>(const TKiPoint&, const TKiPoint&) = default;
};

// Host units -> micrometres.
inline int64_t HostToMicrometres(int64_t hostUnits) {
    return hostUnits * kMicrometresPerHostUnit;
}

// Micrometres as millimetres, exact and short: 12700 -> "12.7", -254 -> "-0.254", 0 -> "0".
std::string MmText(int64_t micrometres);

// The one place where Y turns: a point of a sheet (host units, Y up from the lower edge) on a
// KiCad page of `PageHeight` micrometres (Y down from the upper edge).
struct TSheetFrame {
    int64_t PageHeight = 0;  // micrometres

    TKiPoint Place(int64_t hostX, int64_t hostY) const {
        return {HostToMicrometres(hostX), PageHeight - HostToMicrometres(hostY)};
    }
    TKiPoint Place(const qelsch::SchPoint& p) const { return Place(p.x, p.y); }
};

// A point of a library component (host units, Y up) in a KiCad symbol (millimetres, Y up).
inline TKiPoint SymbolPoint(int64_t hostX, int64_t hostY) {
    return {HostToMicrometres(hostX), HostToMicrometres(hostY)};
}

// "(xy X Y)" / "X Y" of a point.
std::string XyText(const TKiPoint& p);
std::string PairText(const TKiPoint& p);

}  // namespace kicad
