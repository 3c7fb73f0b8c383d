#include "model/justification.h"

#include <array>

#include "model/word_table.h"

namespace {

constexpr std::array<wordtab::TWordCode, 9> kJustifyWords{{
    {"UpperLeft", 0},
    {"UpperCenter", 1},
    {"UpperRight", 2},
    {"Left", 3},
    {"Center", 4},
    {"Right", 5},
    {"LowerLeft", 6},
    {"LowerCenter", 7},
    {"LowerRight", 8},
}};

}  // namespace

void ApplyJustifyWord(std::string_view word, uint8_t& code) {
    if (auto found = wordtab::LookupWord(word, kJustifyWords)) code = *found;
}
