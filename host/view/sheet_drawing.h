// The SVG of a schematic sheet: paper, border, every object in insertion order, and the marks
// of the report messages that point at it.
#pragma once

#include <string_view>
#include <vector>

#include "document.h"
#include "drawing.h"
#include "object_drawer.h"

namespace view {

// The paper of a document in host units: the custom size when the options use it, otherwise
// the standard size of `sheetStyle` (0 A4, 1 A3, 2 A2, 3 A1, 4 A0, 5 A, 6 B, 7 C, 8 D, 9 E,
// landscape; any other code as A).
TBox PaperOf(const qelsch::DocumentOptions& options);

TDrawing DrawSheet(const qelsch::Document& document, const TDrawContext& context,
                   const std::vector<TWarningMark>& marks, std::string_view title);

// Where the mark of a message about `object` stands: a bus entry's middle, a port's middle, a
// net label's anchor, any other object's location.
TPointD MarkPointOf(const qelsch::SchObject& object);

}  // namespace view
