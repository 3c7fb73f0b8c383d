// The drawings of a saved workspace: what the reference host writes beside the JSON documents
// so that a user sees the import without any other program.
//
//   <folder>/<document>.svg                 one per schematic sheet, named as its JSON file
//   <folder>/components/<library>/<component>-part<N>-<mode>.svg
//                                           one per library component part and display mode
//                                           that holds anything
//   <folder>/index.html                     every drawing, the report and its messages, and
//                                           the connectivity check's differences
//
// Texts are converted to UTF-8 by the code page option, as in the JSON files. The same store
// and report always give byte-identical files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor.h"

namespace view {

// One difference the connectivity check found between the design file's netlist and the nets
// of the imported sheets, as the check lists it.
struct TConnectivityDifference {
    std::string Kind;                  // "split", "merged", "unconnected", "hostOnly"
    std::string Text;                  // UTF-8
    std::optional<std::string> Sheet;  // UTF-8 sheet name; none when there is no place to look
    int64_t X = 0;                     // host units, when Sheet is set
    int64_t Y = 0;
};

struct TViewOptions {
    qelsch::CodePage CodePage = qelsch::CodePage::Auto;
    // The translation report to show and to take the messages from (usually in the folder).
    std::optional<std::filesystem::path> ReportFile;
    // The page's title; the folder's name when empty.
    std::string Title;
    // The connectivity check's summary line ("connectivity: 6 of 7 nets identical...") and its
    // differences; the page has no connectivity section when the summary is empty (a library,
    // a design that was not checked).
    std::string ConnectivitySummary;
    std::vector<TConnectivityDifference> ConnectivityDifferences;
};

// A placed part whose library component (or the component's part) was not found.
struct TMissingPart {
    std::string Document;      // UTF-8
    std::string Designator;    // UTF-8, the designator text
    std::string LibReference;  // UTF-8
    int32_t PartId = 0;
    qelsch::SchPoint At;  // host units

    // "U7 (LM999 part 1) on Sheet1 at (100, 200)".
    std::string Describe() const;
};

struct TViewResult {
    std::vector<std::filesystem::path> Files;  // every file written, index.html last
    std::vector<TMissingPart> MissingParts;    // in document and insertion order
    std::vector<std::string> Errors;           // files that could not be written, with reason
    bool ok() const { return Errors.empty(); }
};

// Draws every open document of `editor` into `folder`. `saved` names the JSON file of each
// document (SchEditor::SaveWorkspace's result); a sheet's SVG takes its stem.
TViewResult SaveWorkspaceView(const qelsch::SchEditor& editor, const std::filesystem::path& folder,
                              const std::vector<qelsch::SavedDocument>& saved,
                              const TViewOptions& options);

}  // namespace view
