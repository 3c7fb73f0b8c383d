#include "model/word_table.h"

namespace wordtab {

namespace {

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = UpperAscii(c);
    return folded;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

std::optional<uint8_t> LookupWord(std::string_view word, std::span<const TWordCode> table) {
    for (const TWordCode& entry : table) {
        if (SameText(word, entry.Word)) return entry.Code;
    }
    return std::nullopt;
}

void ApplyWord(std::string_view word, std::span<const TWordCode> table, uint8_t& code) {
    if (auto found = LookupWord(word, table)) code = *found;
}

}  // namespace wordtab
