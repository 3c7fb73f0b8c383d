// A component of a schematic library document: its texts, its parts and their display modes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SchAPI.h"

namespace qelsch {

// The three ways a part can be drawn; the library editor toggles between them.
enum class DisplayMode : uint8_t { Normal = 0, Ieee = 1, Demorgan = 2 };
inline constexpr int kDisplayModeCount = 3;

// "normal", "ieee", "demorgan".
const char* DisplayModeName(DisplayMode mode);

// One part of a component: the objects drawn into it, per display mode, in insertion order.
struct ComponentPart {
    std::array<std::vector<SchHandle>, kDisplayModeCount> objects;

    const std::vector<SchHandle>& In(DisplayMode mode) const {
        return objects[static_cast<size_t>(mode)];
    }
    std::vector<SchHandle>& In(DisplayMode mode) { return objects[static_cast<size_t>(mode)]; }
};

// Numbers of the component texts that have a meaning in this editor.
enum : int {
    kComponentTextFootprint = 1,
    kComponentTextFirstField = 5,  // library fields 5..12
    kComponentTextLastField = 12,
    kComponentTextDesignatorPrefix = 29,
    kComponentTextCount = 31,
};

struct LibraryComponent {
    SchHandle handle = 0;
    SchHandle document = 0;  // the library document holding it
    std::string name;        // from "Sch:CreateComponent"'s Name parameter
    std::array<std::string, kComponentTextCount> texts;  // exchanged by number 0..30
    std::vector<ComponentPart> parts;                    // part N is parts[N - 1]
};

}  // namespace qelsch
