// UUIDs that derive from what is exported, so that two exports of one file are byte-identical.
#pragma once

#include <string>
#include <string_view>

namespace kicad {

// A version-4-shaped UUID ("xxxxxxxx-xxxx-4xxx-8xxx-xxxxxxxxxxxx") computed from `key` alone;
// different keys give different UUIDs with overwhelming likelihood.
std::string StableUuid(std::string_view key);

}  // namespace kicad
