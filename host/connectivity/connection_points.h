// Where the editor's objects connect, in host units (10 mil).
#pragma once

#include <array>

#include "sch_objects.h"
#include "sheet_point.h"

namespace connectivity {

// The electrical end of a pin of a library component part placed as `part`: the pin's location
// moved by its length in its orientation (the end away from the body), then carried onto the
// sheet as the editor places a part's graphics: turned by the part's orientation, mirrored in x
// when the part is mirrored, moved to the part's location.
TSheetPoint PlacedPinEnd(const qelsch::Part& part, const qelsch::Pin& pin);

// Both ends of a port: its location (the lower or left end) and the end `width` along its axis
// (y for the vertical shapes 4 to 7, x otherwise). A wire may meet a port at either end.
std::array<TSheetPoint, 2> PortEnds(const qelsch::Port& port);

// A point of a sheet object as a sheet point.
TSheetPoint ToSheetPoint(qelsch::SchPoint point);

}  // namespace connectivity
