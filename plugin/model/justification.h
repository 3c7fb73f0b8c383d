// Justification codes shared by attributes, fields and texts: 0 UpperLeft ... 8 LowerRight.
// The column of a code is code % 3 (0 left, 1 centre, 2 right), its row code / 3 (0 upper,
// 1 middle, 2 lower).
#pragma once

#include <cstdint>
#include <string_view>

// The code that new attributes, fields and texts start with ("LowerLeft").
inline constexpr uint8_t kJustifyLowerLeft = 6;

// The code of a justify word; any other word leaves `code` unchanged.
void ApplyJustifyWord(std::string_view word, uint8_t& code);
