#include "index_page.h"

#include "svg_canvas.h"
#include "xml_text.h"

namespace view {
namespace {

constexpr std::string_view kStyle = R"(
body { margin: 0; font-family: sans-serif; color: #222; display: flex; }
nav { position: sticky; top: 0; height: 100vh; overflow-y: auto; min-width: 14em;
      max-width: 20em; padding: 0.5em 1em; background: #f3f3f3; box-sizing: border-box; }
nav ul { list-style: none; padding-left: 0.8em; margin: 0.2em 0; }
nav h1 { font-size: 1.1em; }
nav h2 { font-size: 0.95em; margin: 0.8em 0 0.2em; }
main { flex: 1; padding: 0 1.5em 2em; min-width: 0; }
section, article { margin-bottom: 2em; }
.drawing { position: relative; border: 1px solid #ccc; }
.drawing img { display: block; width: 100%; height: auto; }
.drawing a { position: absolute; display: block; }
.drawing a.sheet-link:hover { outline: 2px solid #06c; background: rgba(0, 102, 204, 0.08); }
.drawing a.mark:hover { outline: 2px solid #e00; }
figure { display: inline-block; margin: 0 1em 1em 0; vertical-align: top; }
figure .drawing { max-width: 40em; }
.meta { color: #666; font-size: 0.9em; }
.missing { color: #a00; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
pre { background: #f8f8f8; padding: 0.5em; overflow-x: auto; }
)";

std::string Escape(std::string_view text) {
    return XmlEscape(text);
}

std::string Percent(double part, double whole) {
    return NumberText(whole > 0 ? part / whole * 100.0 : 0) + "%";
}

void WritePicture(std::string& html, const TIndexPicture& picture, double maxWidth) {
    const TBox& view = picture.ViewBox;
    html += "<div class=\"drawing\" style=\"max-width:" + NumberText(maxWidth) + "px\">";
    html += "<img src=\"" + Escape(UrlPath(picture.File)) + "\" alt=\"" + Escape(picture.Caption) +
            "\" width=\"" + NumberText(view.Width()) + "\" height=\"" + NumberText(view.Height()) +
            "\">";
    for (const TIndexPicture::TArea& area : picture.Areas) {
        const bool mark =
            area.Anchor.starts_with("message-") || area.Anchor.starts_with("difference-");
        html += "<a class=\"" + std::string(mark ? "mark" : "sheet-link") + "\" href=\"#" +
                Escape(area.Anchor) + "\" title=\"" + Escape(area.Title) +
                "\" style=\"left:" + Percent(area.Box.X1 - view.X1, view.Width()) +
                ";top:" + Percent(view.Y2 - area.Box.Y2, view.Height()) +
                ";width:" + Percent(area.Box.Width(), view.Width()) +
                ";height:" + Percent(area.Box.Height(), view.Height()) + "\"></a>";
    }
    html += "</div>\n";
}

void WriteNavigation(std::string& html, const TIndexContent& content) {
    html += "<nav>\n<h1>" + Escape(content.Title) + "</h1>\n";
    if (!content.Sheets.empty()) {
        html += "<h2>Sheets</h2>\n<ul>\n";
        for (const TIndexSheet& sheet : content.Sheets)
            html += "<li><a href=\"#" + sheet.Anchor + "\">" + Escape(sheet.Name) + "</a></li>\n";
        html += "</ul>\n";
    }
    for (const TIndexLibrary& library : content.Libraries) {
        html += "<h2><a href=\"#" + library.Anchor + "\">" + Escape(library.Name) + "</a></h2>\n";
        html += "<ul>\n";
        for (const TIndexComponent& component : library.Components) {
            html += "<li><a href=\"#" + component.Anchor + "\">" + Escape(component.Name) +
                    "</a></li>\n";
        }
        html += "</ul>\n";
    }
    html += "<h2>Report</h2>\n<ul>\n";
    if (!content.ConnectivitySummary.empty()) {
        html += "<li><a href=\"#connectivity\">Connectivity (" +
                std::to_string(content.Differences.size()) + ")</a></li>\n";
    }
    html += "<li><a href=\"#messages\">Messages (" + std::to_string(content.Messages.size()) +
            ")</a></li>\n";
    html += "<li><a href=\"#report\">Translation report</a></li>\n</ul>\n</nav>\n";
}

void WriteSheet(std::string& html, const TIndexContent& content, const TIndexSheet& sheet) {
    html += "<section id=\"" + sheet.Anchor + "\">\n<h2>" + Escape(sheet.Name) + "</h2>\n";
    html += "<p class=\"meta\">" + Escape(sheet.Kind) + ", " + std::to_string(sheet.ObjectCount) +
            " objects, <a href=\"" + Escape(UrlPath(sheet.Picture.File)) + "\">" +
            Escape(sheet.Picture.File) + "</a></p>\n";
    WritePicture(html, sheet.Picture, sheet.Picture.ViewBox.Width());
    if (!sheet.MissingParts.empty()) {
        html +=
            "<p class=\"missing\">Parts whose library component was not found (drawn as "
            "boxes):</p>\n<ul class=\"missing\">\n";
        for (const std::string& line : sheet.MissingParts)
            html += "<li>" + Escape(line) + "</li>\n";
        html += "</ul>\n";
    }
    if (!sheet.Messages.empty()) {
        html += "<p>Marked on this sheet:</p>\n<ul>\n";
        for (size_t index : sheet.Messages) {
            const TIndexMessage& message = content.Messages[index];
            html += "<li><a href=\"#" + message.Anchor + "\">" + Escape(message.MarkLabel) +
                    "</a> " + Escape(message.Text) + "</li>\n";
        }
        html += "</ul>\n";
    }
    if (!sheet.Differences.empty()) {
        html += "<p>Connectivity differences on this sheet:</p>\n<ul>\n";
        for (size_t index : sheet.Differences) {
            const TIndexDifference& difference = content.Differences[index];
            html += "<li><a href=\"#" + difference.Anchor + "\">" + Escape(difference.MarkLabel) +
                    "</a> " + Escape(difference.Text) + "</li>\n";
        }
        html += "</ul>\n";
    }
    html += "</section>\n";
}

void WriteLibrary(std::string& html, const TIndexLibrary& library) {
    html +=
        "<section id=\"" + library.Anchor + "\">\n<h2>Library " + Escape(library.Name) + "</h2>\n";
    if (library.Components.empty()) html += "<p class=\"meta\">No components.</p>\n";
    for (const TIndexComponent& component : library.Components) {
        html +=
            "<article id=\"" + component.Anchor + "\">\n<h3>" + Escape(component.Name) + "</h3>\n";
        if (!component.Texts.empty()) {
            html += "<table>\n";
            for (const auto& [label, value] : component.Texts)
                html += "<tr><th>" + Escape(label) + "</th><td>" + Escape(value) + "</td></tr>\n";
            html += "</table>\n";
        }
        if (component.Pictures.empty()) html += "<p class=\"meta\">Nothing drawn.</p>\n";
        for (const TIndexPicture& picture : component.Pictures) {
            html += "<figure>";
            // Library symbols are small: shown at up to four times their size.
            WritePicture(html, picture, picture.ViewBox.Width() * 4);
            html += "<figcaption>" + Escape(picture.Caption) + "</figcaption></figure>\n";
        }
        html += "</article>\n";
    }
    html += "</section>\n";
}

// The connectivity check: its summary line and every difference, each linked to the sheet
// whose drawing marks it.
void WriteConnectivity(std::string& html, const TIndexContent& content) {
    if (content.ConnectivitySummary.empty()) return;
    html += "<section id=\"connectivity\">\n<h2>Connectivity</h2>\n<p>" +
            Escape(content.ConnectivitySummary) + "</p>\n";
    if (content.Differences.empty()) {
        html +=
            "<p class=\"meta\">Every net of the file's netlist connects the same pins on the "
            "imported sheets.</p>\n</section>\n";
        return;
    }
    html += "<table>\n<tr><th>Mark</th><th>Kind</th><th>Difference</th><th>Where</th></tr>\n";
    for (const TIndexDifference& difference : content.Differences) {
        html += "<tr id=\"" + difference.Anchor + "\"><td>" + Escape(difference.MarkLabel) +
                "</td><td>" + Escape(difference.Kind) + "</td><td>" + Escape(difference.Text) +
                "</td><td>";
        if (!difference.SheetAnchor.empty()) {
            html +=
                "<a href=\"#" + difference.SheetAnchor + "\">" + Escape(difference.Place) + "</a>";
        } else {
            html += Escape(difference.Place);
        }
        html += "</td></tr>\n";
    }
    html += "</table>\n</section>\n";
}

void WriteMessages(std::string& html, const TIndexContent& content) {
    html += "<section id=\"messages\">\n<h2>Messages</h2>\n";
    if (content.Messages.empty()) {
        html += "<p class=\"meta\">The report holds no errors or warnings.</p>\n</section>\n";
        return;
    }
    html += "<table>\n<tr><th>Section</th><th>No.</th><th>Message</th><th>Where</th></tr>\n";
    for (const TIndexMessage& message : content.Messages) {
        html += "<tr id=\"" + message.Anchor + "\"><td>" + Escape(message.Section) + "</td><td>" +
                (message.Number > 0 ? std::to_string(message.Number) : std::string()) +
                "</td><td>" + Escape(message.Text) + "</td><td>" + Escape(message.Location);
        if (!message.SheetAnchor.empty()) {
            html += (message.Location.empty() ? "" : " ") + std::string("<a href=\"#") +
                    message.SheetAnchor + "\">" + Escape(message.MarkLabel) + " on " +
                    Escape(message.SheetName) + "</a>";
        }
        html += "</td></tr>\n";
    }
    html += "</table>\n</section>\n";
}

void WriteReport(std::string& html, const TIndexContent& content) {
    html += "<section id=\"report\">\n<h2>Translation report</h2>\n";
    if (content.ReportFile.empty()) {
        html += "<p class=\"meta\">No report was written.</p>\n";
    } else {
        html += "<p class=\"meta\"><a href=\"" + Escape(UrlPath(content.ReportFile)) + "\">" +
                Escape(content.ReportFile) + "</a></p>\n<pre>" + Escape(content.ReportText) +
                "</pre>\n";
    }
    html += "</section>\n";
}

}  // namespace

std::string UrlPath(std::string_view path) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string url;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == '/';
        if (plain) {
            url += c;
        } else {
            url += '%';
            url += kDigits[byte >> 4];
            url += kDigits[byte & 0xF];
        }
    }
    return url;
}

std::string IndexHtml(const TIndexContent& content) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<title>" + Escape(content.Title) + "</title>\n<style>" + std::string(kStyle) +
            "</style>\n</head>\n<body>\n";
    WriteNavigation(html, content);
    html += "<main>\n";
    for (const TIndexSheet& sheet : content.Sheets) WriteSheet(html, content, sheet);
    for (const TIndexLibrary& library : content.Libraries) WriteLibrary(html, library);
    WriteConnectivity(html, content);
    WriteMessages(html, content);
    WriteReport(html, content);
    html += "</main>\n</body>\n</html>\n";
    return html;
}

}  // namespace view
