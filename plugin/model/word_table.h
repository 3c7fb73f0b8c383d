// Words of the format compared without regard to letter case: the small word tables that turn
// an enumeration word into its code, and the case folding that name indexes are keyed by.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wordtab {

// One word of an enumeration and the code it stands for.
struct TWordCode {
    std::string_view Word;
    uint8_t Code;
};

// ASCII letters folded to upper case; every other byte unchanged (names are bytes in the
// file's code page, so only the ASCII letters have a case we can trust).
std::string FoldCase(std::string_view text);

// True when the two texts are equal without regard to ASCII letter case.
bool SameText(std::string_view a, std::string_view b);

// The code of `word` in `table`, or nothing when the word is not listed.
std::optional<uint8_t> LookupWord(std::string_view word, std::span<const TWordCode> table);

// Sets `code` to the code of `word` in `table`; a word not listed leaves it unchanged.
void ApplyWord(std::string_view word, std::span<const TWordCode> table, uint8_t& code);

}  // namespace wordtab
