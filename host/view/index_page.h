// index.html: one page, working offline, that shows every drawing of a workspace with the
// translation report and its messages.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace view {

// One picture on the page; its file is given relative to the page.
struct TIndexPicture {
    std::string Caption;  // UTF-8
    std::string File;     // relative path, UTF-8, not yet URL-escaped
    TBox ViewBox;
    // Areas that lead to other sections of the page (sheet symbols, message marks).
    struct TArea {
        TBox Box;
        std::string Anchor;  // id of the section or message led to
        std::string Title;   // UTF-8 tooltip
    };
    std::vector<TArea> Areas;
};

struct TIndexSheet {
    std::string Anchor;
    std::string Name;  // UTF-8
    std::string Kind;  // "Sheet", "Title sheet", "Project sheet"
    size_t ObjectCount = 0;
    TIndexPicture Picture;
    std::vector<std::string> MissingParts;  // one line each, UTF-8
    std::vector<size_t> Messages;           // indexes into TIndexContent::Messages
    std::vector<size_t> Differences;        // indexes into TIndexContent::Differences
};

struct TIndexComponent {
    std::string Anchor;
    std::string Name;                                        // UTF-8
    std::vector<std::pair<std::string, std::string>> Texts;  // label, value (UTF-8)
    std::vector<TIndexPicture> Pictures;                     // per part and display mode
};

struct TIndexLibrary {
    std::string Anchor;
    std::string Name;  // UTF-8
    std::vector<TIndexComponent> Components;
};

struct TIndexMessage {
    std::string Anchor;
    std::string Section;  // "Load Warnings", ...
    int Number = 0;
    std::string Text;         // UTF-8
    std::string Location;     // UTF-8, the report's location line; empty for none
    std::string SheetAnchor;  // the sheet whose drawing marks it; empty for none
    std::string SheetName;
    std::string MarkLabel;
};

// A difference of the connectivity check.
struct TIndexDifference {
    std::string Anchor;
    std::string Kind;         // "split", "merged", "unconnected", "hostOnly"
    std::string Text;         // UTF-8
    std::string Place;        // UTF-8, "Sheet1 (120, 400)"; empty when there is no place
    std::string SheetAnchor;  // the sheet whose drawing marks it; empty for none
    std::string MarkLabel;
};

struct TIndexContent {
    std::string Title;  // UTF-8
    std::vector<TIndexSheet> Sheets;
    std::vector<TIndexLibrary> Libraries;
    std::vector<TIndexMessage> Messages;
    std::string ReportFile;  // relative path or empty when there is no report
    std::string ReportText;  // UTF-8
    // The connectivity check; no section when the summary is empty.
    std::string ConnectivitySummary;
    std::vector<TIndexDifference> Differences;
};

std::string IndexHtml(const TIndexContent& content);

// A relative path (UTF-8, '/' separated) as a URL path: every byte other than letters, digits,
// '-', '.', '_', '~' and '/' percent-encoded.
std::string UrlPath(std::string_view path);

}  // namespace view
