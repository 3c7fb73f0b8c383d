// An SVG picture being drawn in host coordinates.
//
// Callers give every point in host units (10 mil) with Y growing upwards, as the editor stores
// them; `ToSvg` is the one place where they become SVG user units (one unit per host unit, Y
// growing downwards). The canvas remembers the extent of what it drew, so the picture's view
// box can be chosen afterwards. Output is deterministic: fixed attribute order, numbers with at
// most two decimals written without the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "placement.h"

namespace view {

// 0x00BBGGRR as "#rrggbb".
std::string ColorText(uint32_t color);
// A number for an attribute: at most two decimals, no trailing zeros, never "-0", "nan" or
// "inf" (such values are written as 0).
std::string NumberText(double value);

enum class TLineStyle : uint8_t { Solid = 0, Dashed = 1, Dotted = 2 };

struct TStroke {
    uint32_t Color = 0;
    double Width = 1;  // host units
    TLineStyle Style = TLineStyle::Solid;
};

// The box of a text laid out from its lower left anchor and turned with its orientation, by the
// editor's fixed metric of the font (host units), the same box the editor reports as extent.
TBox TextBox(TPointD anchor, std::string_view utf8, int32_t fontId, uint8_t orientation);

// The anchor (the unturned text's lower left corner) of a text of orientation `orientation`
// that fills `box`.
TPointD TextAnchorInBox(const TBox& box, uint8_t orientation);

class TSvgCanvas {
  public:
    static TPointD ToSvg(TPointD host) { return {host.X, -host.Y}; }

    void Line(TPointD a, TPointD b, const TStroke& stroke);
    void Polyline(const std::vector<TPointD>& points, const TStroke& stroke);
    void Polygon(const std::vector<TPointD>& points, const TStroke& stroke,
                 std::optional<uint32_t> fill);
    void Circle(TPointD centre, double radius, const TStroke& stroke, std::optional<uint32_t> fill);
    // An arc from `startDegrees` counter-clockwise to `endDegrees` (host frame); a whole turn or
    // more, or equal angles, draw the full circle.
    void Arc(TPointD centre, double radius, double startDegrees, double endDegrees,
             const TStroke& stroke);
    void Rectangle(const TBox& box, const TStroke& stroke, std::optional<uint32_t> fill);
    // A text (UTF-8) from its lower left anchor, in the editor's font `fontId`, turned by
    // `orientation` quarter turns; each line is stretched to the width the metric gives it.
    void Text(TPointD anchor, std::string_view utf8, int32_t fontId, uint8_t orientation,
              uint32_t color);

    // Opens an element that holds others (`g`, `a`) with its attributes already written
    // (` class="x"`), closed by `Close`.
    void Open(std::string_view element, std::string_view attributes = {});
    void Close();
    // A <title> for the element just opened (shown as a tooltip).
    void Title(std::string_view utf8);

    // The extent of everything drawn so far, host units; nullopt before the first drawing.
    const std::optional<TBox>& Extent() const { return FExtent; }
    void Include(const TBox& box);

    const std::string& Body() const { return FBody; }

    // A complete SVG document showing `viewBox` (host units) with this canvas's drawing,
    // on a white background.
    std::string Document(const TBox& viewBox, std::string_view title) const;

  private:
    void Include(TPointD point);
    void Indent();
    std::string StrokeAttributes(const TStroke& stroke) const;
    std::string PointList(const std::vector<TPointD>& points);

    std::string FBody;
    std::vector<std::string> FOpen;
    std::optional<TBox> FExtent;
};

}  // namespace view
