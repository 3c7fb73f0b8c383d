#pragma once
// The drawing objects that stand in the layer contents and the "multiLayer" groups of a board
// design or a pattern definition, created by keyword.

#include <cstdint>
#include <memory>
#include <vector>

#include "reader/nimbo_object.h"

// A new, unparsed drawing object of the kind the keyword names, owned by `owner`; null for a
// keyword that names no board drawing object. "planeObj" names a plane only where
// `planeObjIsPlane` is set (inside layer contents).
std::unique_ptr<TNimboObject> CreateBoardDrawObject(int32_t keyword, TNimboObject* owner,
                                                    bool planeObjIsPlane);

// Reads a "multiLayer" group in place, after its keyword: each drawing object in it is parsed
// and appended to `objects`; anything else is skipped; the group's ")" ends the reading.
void ReadBoardDrawObjectsInPlace(TNimboObject& owner,
                                 std::vector<std::unique_ptr<TNimboObject>>& objects);
