#include "svg_canvas.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "font_metric.h"
#include "xml_text.h"

namespace view {
namespace {

// Where a text line's baseline stands above the lower edge of its line box, in line heights:
// room for descenders inside the box the editor measures.
constexpr double kBaselineRise = 0.2;

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TPointD Plus(TPointD a, TPointD b) {
    return {a.X + b.X, a.Y + b.Y};
}

}  // namespace

std::string ColorText(uint32_t color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const uint32_t rgb[3] = {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
    std::string text = "#";
    for (uint32_t channel : rgb) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xF];
    }
    return text;
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

TBox TextBox(TPointD anchor, std::string_view utf8, int32_t fontId, uint8_t orientation) {
    const qelsch::TextExtent extent = qelsch::MeasureText(utf8, qelsch::MetricOfFont(fontId));
    const TPointD corner = RotateQuarterTurns(
        {static_cast<double>(extent.width), static_cast<double>(extent.height)}, orientation);
    return TBox::Spanning(anchor, Plus(anchor, corner));
}

TPointD TextAnchorInBox(const TBox& box, uint8_t orientation) {
    switch (orientation & 3) {
        case 1:
            return {box.X2, box.Y1};
        case 2:
            return {box.X2, box.Y2};
        case 3:
            return {box.X1, box.Y2};
        default:
            return {box.X1, box.Y1};
    }
}

void TSvgCanvas::Include(TPointD point) {
    Include(TBox{point.X, point.Y, point.X, point.Y});
}

void TSvgCanvas::Include(const TBox& box) {
    FExtent = FExtent ? FExtent->United(box) : box;
}

void TSvgCanvas::Indent() {
    FBody.append(2 * FOpen.size(), ' ');
}

std::string TSvgCanvas::StrokeAttributes(const TStroke& stroke) const {
    std::string text = " stroke=\"" + ColorText(stroke.Color) + "\" stroke-width=\"" +
                       NumberText(stroke.Width) + "\"";
    if (stroke.Style == TLineStyle::Dashed) {
        text += " stroke-dasharray=\"" + NumberText(4 * stroke.Width + 4) + " " +
                NumberText(2 * stroke.Width + 2) + "\"";
    } else if (stroke.Style == TLineStyle::Dotted) {
        text += " stroke-dasharray=\"" + NumberText(stroke.Width) + " " +
                NumberText(stroke.Width + 2) + "\" stroke-linecap=\"round\"";
    }
    return text;
}

std::string TSvgCanvas::PointList(const std::vector<TPointD>& points) {
    std::string text;
    for (const TPointD& point : points) {
        Include(point);
        const TPointD svg = ToSvg(point);
        if (!text.empty()) text += ' ';
        text += NumberText(svg.X) + "," + NumberText(svg.Y);
    }
    return text;
}

void TSvgCanvas::Line(TPointD a, TPointD b, const TStroke& stroke) {
    Include(a);
    Include(b);
    const TPointD p = ToSvg(a);
    const TPointD q = ToSvg(b);
    Indent();
    FBody += "<line x1=\"" + NumberText(p.X) + "\" y1=\"" + NumberText(p.Y) + "\" x2=\"" +
             NumberText(q.X) + "\" y2=\"" + NumberText(q.Y) + "\"" + StrokeAttributes(stroke) +
             "/>\n";
}

void TSvgCanvas::Polyline(const std::vector<TPointD>& points, const TStroke& stroke) {
    if (points.empty()) return;
    const std::string list = PointList(points);
    Indent();
    FBody += "<polyline points=\"" + list + "\" fill=\"none\"" + StrokeAttributes(stroke) +
             " stroke-linejoin=\"round\"/>\n";
}

void TSvgCanvas::Polygon(const std::vector<TPointD>& points, const TStroke& stroke,
                         std::optional<uint32_t> fill) {
    if (points.empty()) return;
    const std::string list = PointList(points);
    Indent();
    FBody += "<polygon points=\"" + list + "\" fill=\"" + (fill ? ColorText(*fill) : "none") +
             "\"" + StrokeAttributes(stroke) + " stroke-linejoin=\"round\"/>\n";
}

void TSvgCanvas::Circle(TPointD centre, double radius, const TStroke& stroke,
                        std::optional<uint32_t> fill) {
    radius = std::abs(radius);
    Include(TBox{centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius});
    const TPointD c = ToSvg(centre);
    Indent();
    FBody += "<circle cx=\"" + NumberText(c.X) + "\" cy=\"" + NumberText(c.Y) + "\" r=\"" +
             NumberText(radius) + "\" fill=\"" + (fill ? ColorText(*fill) : "none") + "\"" +
             StrokeAttributes(stroke) + "/>\n";
}

void TSvgCanvas::Arc(TPointD centre, double radius, double startDegrees, double endDegrees,
                     const TStroke& stroke) {
    double sweep = endDegrees - startDegrees;
    if (!std::isfinite(sweep)) return;
    const bool wholeTurn = std::abs(sweep) >= 360.0;
    sweep = std::fmod(sweep, 360.0);
    if (sweep < 0) sweep += 360.0;
    if (wholeTurn || sweep == 0.0) {
        Circle(centre, radius, stroke, std::nullopt);
        return;
    }
    radius = std::abs(radius);
    Include(TBox{centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius});
    auto at = [&](double degrees) {
        const double radians = degrees * std::numbers::pi / 180.0;
        return ToSvg(
            {centre.X + radius * std::cos(radians), centre.Y + radius * std::sin(radians)});
    };
    const TPointD from = at(startDegrees);
    const TPointD to = at(startDegrees + sweep);
    // Counter-clockwise in the host stays counter-clockwise on screen: SVG's sweep flag 0.
    Indent();
    FBody += "<path d=\"M" + NumberText(from.X) + "," + NumberText(from.Y) + " A" +
             NumberText(radius) + "," + NumberText(radius) + " 0 " + (sweep > 180.0 ? "1" : "0") +
             " 0 " + NumberText(to.X) + "," + NumberText(to.Y) + "\" fill=\"none\"" +
             StrokeAttributes(stroke) + "/>\n";
}

void TSvgCanvas::Rectangle(const TBox& box, const TStroke& stroke, std::optional<uint32_t> fill) {
    Include(box);
    const TPointD corner = ToSvg({box.X1, box.Y2});
    Indent();
    FBody += "<rect x=\"" + NumberText(corner.X) + "\" y=\"" + NumberText(corner.Y) +
             "\" width=\"" + NumberText(box.Width()) + "\" height=\"" + NumberText(box.Height()) +
             "\" fill=\"" + (fill ? ColorText(*fill) : "none") + "\"" + StrokeAttributes(stroke) +
             "/>\n";
}

void TSvgCanvas::Text(TPointD anchor, std::string_view utf8, int32_t fontId, uint8_t orientation,
                      uint32_t color) {
    const qelsch::FontMetric metric = qelsch::MetricOfFont(fontId);
    Include(TextBox(anchor, utf8, fontId, orientation));
    const std::vector<std::string_view> lines = SplitLines(utf8);
    const double height = metric.charHeight;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const double rise =
            static_cast<double>(lines.size() - 1 - i) * height + kBaselineRise * height;
        const TPointD start = ToSvg(Plus(anchor, RotateQuarterTurns({0, rise}, orientation)));
        const double width = static_cast<double>(qelsch::MeasureText(lines[i], metric).width);
        Indent();
        FBody += "<text x=\"" + NumberText(start.X) + "\" y=\"" + NumberText(start.Y) +
                 "\" font-size=\"" + NumberText(height) + "\" textLength=\"" + NumberText(width) +
                 "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"" + ColorText(color) + "\"";
        if ((orientation & 3) != 0) {
            // A quarter turn counter-clockwise in the host is a negative angle in SVG.
            FBody += " transform=\"rotate(" + NumberText(-90.0 * (orientation & 3)) + " " +
                     NumberText(start.X) + " " + NumberText(start.Y) + ")\"";
        }
        FBody += " xml:space=\"preserve\">" + XmlEscape(lines[i]) + "</text>\n";
    }
}

void TSvgCanvas::Open(std::string_view element, std::string_view attributes) {
    Indent();
    FBody += "<" + std::string(element) + std::string(attributes) + ">\n";
    FOpen.emplace_back(element);
}

void TSvgCanvas::Close() {
    if (FOpen.empty()) return;
    const std::string element = FOpen.back();
    FOpen.pop_back();
    Indent();
    FBody += "</" + element + ">\n";
}

void TSvgCanvas::Title(std::string_view utf8) {
    Indent();
    FBody += "<title>" + XmlEscape(utf8) + "</title>\n";
}

std::string TSvgCanvas::Document(const TBox& viewBox, std::string_view title) const {
    const TPointD corner = ToSvg({viewBox.X1, viewBox.Y2});
    const std::string x = NumberText(corner.X);
    const std::string y = NumberText(corner.Y);
    const std::string width = NumberText(viewBox.Width());
    const std::string height = NumberText(viewBox.Height());
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
            "\" viewBox=\"" + x + " " + y + " " + width + " " + height +
            "\" font-family=\"monospace\">\n";
    text += "<title>" + XmlEscape(title) + "</title>\n";
    text += "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + width + "\" height=\"" + height +
            "\" fill=\"#ffffff\"/>\n";
    text += FBody;
    for (size_t i = FOpen.size(); i > 0; --i) text += "</" + FOpen[i - 1] + ">\n";
    text += "</svg>\n";
    return text;
}

}  // namespace view
