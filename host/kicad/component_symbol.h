// A library component of the editor as a KiCad symbol: one unit per part, the normal drawing as
// body style 1 and the De Morgan drawing as body style 2; pins with their numbers, names,
// electrical types, lengths, orientations and dot/clock shapes, placed by KiCad's rule that a
// pin's position is its connection point.
#pragma once

#include <string>

#include "code_page.h"
#include "editor.h"
#include "export_report.h"
#include "kicad_symbol.h"

namespace kicad {

// `name` is the symbol's unique name in the exported library. What the symbol cannot hold (IEEE
// drawings, objects of kinds a symbol has no place for) goes to `report` under `documentName`.
TKicadSymbol SymbolOfComponent(const qelsch::SchEditor& editor,
                               const qelsch::LibraryComponent& component, const std::string& name,
                               qelsch::CodePage codePage, TExportReport& report,
                               const std::string& documentName);

// A pin of a library component as a KiCad pin item: the connection point is the pin's location
// moved by its length in its orientation (the end away from the body), and the KiCad pin points
// from there back to the body.
std::string PinItem(const qelsch::Pin& pin, qelsch::CodePage codePage);

}  // namespace kicad
