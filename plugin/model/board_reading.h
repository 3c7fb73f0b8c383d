#pragma once
// Reading helpers shared by the board-side kinds: groups read in place by their owner (a list
// of points...), where the owner's own parse loop stays in charge of the nesting count.

#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

// A group of points read in place: every "pt" in it is appended to `points`.
void ReadPointsInPlace(TNimboObject& self, std::vector<TPoint>& points);
