// The properties a new object of each kind has before anyone writes to it.
#pragma once

#include <cstdint>
#include <memory>

#include "sch_objects.h"

namespace qelsch {

// Colours as the editor shows new objects (0x00BBGGRR).
inline constexpr uint32_t kColorBlack = 0x000000;
inline constexpr uint32_t kColorNavy = 0x800000;     // wires, buses, junctions, net labels
inline constexpr uint32_t kColorDarkRed = 0x000080;  // graphics, part and sheet outlines

// Texts of a new part's owned fields.
inline constexpr const char* kNewDesignatorText = "?";
inline constexpr const char* kUnusedParameterText = "*";
inline constexpr int kPartParameterCount = 16;

// A new object of `kind` with its defaults (owned texts are made by the store), or null for a
// kind this editor does not know.
std::unique_ptr<SchObject> MakeDefaultObject(uint8_t kind);

// A new text object as a part or sheet symbol owns it.
std::unique_ptr<Text> MakeOwnedText(std::string text, bool hidden);

}  // namespace qelsch
