// The SVG of one part of a library component in one display mode.
#pragma once

#include <string_view>

#include "drawing.h"
#include "library_component.h"
#include "object_drawer.h"

namespace view {

// The objects of `part` in `mode`, drawn in the component's own frame with a small mark at its
// origin (the point a placed part's location stands for).
TDrawing DrawComponentPart(const qelsch::ComponentPart& part, qelsch::DisplayMode mode,
                           const TDrawContext& context, std::string_view title);

}  // namespace view
