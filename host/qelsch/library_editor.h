// The library editor: the "Sch:" commands that build a library document's components part by
// part and display mode by display mode.
//
// "Sch:CreateComponent" (parameter Name) makes a new component with one part and makes it
// current; "Sch:AddComponentPart" appends a part and makes it current; "Sch:RemoveComponentPart"
// removes the current part (never the last one left), the one before it becoming current;
// "Sch:NextComponentPart" / "Sch:PreviousComponentPart" move between parts (staying at the
// ends); "Sch:ToggleComponentNormal" / "...IEEE" / "...Demorgan" make that display mode current.
// Objects added to the document go to the current component, part and mode.
#pragma once

#include <cstdint>
#include <string_view>

#include "SchAPI.h"

namespace qelsch {

class ObjectStore;

// Runs one "Sch:" command on a library document. `parameters` is the caller's buffer (may be
// null) of `bufferSize` bytes. Returns 1 when the command was done, 0 for an unknown command,
// a document that is not a library, or a command that cannot apply (no component yet,
// removing the only part).
int32_t RunLibraryCommand(ObjectStore& store, SchHandle document, std::string_view command,
                          const char* parameters, uint16_t bufferSize);

}  // namespace qelsch
