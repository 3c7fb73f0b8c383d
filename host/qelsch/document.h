// A schematic editor document ("Sch" sheet or "SchLib" library) and its option records.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SchAPI.h"
#include "library_component.h"

namespace qelsch {

// The 33 option values of a document, in the order SchAPI_QueryDocumentOptions exchanges them.
// Values this editor gives no meaning to keep generic names and are carried unchanged.
struct DocumentOptions {
    uint8_t b1 = 0;
    uint8_t titleSheet = 0;  // 2nd byte: 1 on a title-sheet document
    uint8_t b3 = 0;
    uint8_t borderOn = 1;  // 4th byte
    uint8_t b5 = 0;
    int32_t l1 = 0;
    uint8_t pb1 = 0;
    int32_t pl1 = 0;
    uint8_t pb2 = 0;
    int32_t pl2 = 0;
    uint8_t pb3 = 0;
    int32_t pl3 = 0;
    uint8_t pb4 = 0;
    int32_t pl4 = 0;
    uint8_t sheetStyle = 0;  // standard sheet size code 0..9
    uint8_t useCustomSheet = 0;
    int32_t customX = 1000;  // host units
    int32_t customY = 800;
    int32_t l2 = 0;
    int32_t l3 = 0;
    int32_t l4 = 0;
    std::array<std::string, 8> texts;  // t1..t8
    int32_t l5 = 0;
    int32_t l6 = 0;
    std::string t9;
    int32_t l7 = 0;
};

// The options of a library document, in the order SchAPI_QuerySchLibOptions exchanges them.
struct LibraryOptions {
    int32_t l3 = 0;
    std::array<uint8_t, 6> bytes{};  // b1..b6
    int32_t l1 = 0;
    int32_t l2 = 0;
    int32_t l4 = 0;
    uint8_t b7 = 0;
    int32_t l5 = 0;
    uint8_t b8 = 0;
    int32_t l6 = 0;
    std::string text;
    // The component the library editor shows (the last "Sch:CreateComponent" made); 0 when none.
    SchHandle currentComponent = 0;
};

enum class DocumentKind { Sheet, Library };

// "Sch" for a sheet, "SchLib" for a library.
const char* DocumentKindText(DocumentKind kind);

// The library editor's position in a library document: which component, part and display
// mode new objects go to.
struct LibraryEditorState {
    SchHandle component = 0;  // 0 before the first "Sch:CreateComponent"
    int32_t partIndex = 0;    // 0-based index into the component's parts
    DisplayMode mode = DisplayMode::Normal;
};

struct Document {
    SchHandle handle = 0;  // also the handle of its editor window
    DocumentKind kind = DocumentKind::Sheet;
    std::string name;  // as the client named it, bytes as given
    std::string path;  // the file path the client gave (may be empty)
    DocumentOptions options;
    // Sheets: the objects added, in insertion order (owned texts are not listed: they are
    // reached through their owner).
    std::vector<SchHandle> objects;
    // Libraries: options, the components in creation order, and the editor position.
    LibraryOptions libraryOptions;
    std::vector<SchHandle> components;
    LibraryEditorState editor;
};

}  // namespace qelsch
