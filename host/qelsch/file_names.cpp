#include "file_names.h"

#include <algorithm>
#include <cctype>

namespace qelsch {
namespace {

constexpr size_t kMaxStemBytes = 120;
constexpr std::string_view kRejected = "/\\:*?\"<>|";

bool IsUnsafe(unsigned char c) {
    return c < 0x20 || c == 0x7F || kRejected.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Cuts UTF-8 text to at most `limit` bytes without splitting a character.
void CutUtf8(std::string& text, size_t limit) {
    if (text.size() <= limit) return;
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
}

}  // namespace

std::string SafeFileStem(std::string_view name) {
    const size_t start = name.find_first_not_of(". ");
    name.remove_prefix(start == std::string_view::npos ? name.size() : start);
    std::string stem;
    stem.reserve(name.size());
    char previous = '\0';
    for (char c : name) {
        const char original = c;
        if (IsUnsafe(static_cast<unsigned char>(c))) c = '_';
        // No "..": the second of two dots becomes "_".
        if (c == '.' && previous == '.') c = '_';
        previous = original;
        stem += c;
    }
    CutUtf8(stem, kMaxStemBytes);
    while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
    return stem.empty() ? "document" : stem;
}

std::string UniqueFileNames::Claim(const std::string& stem, std::string_view extension) {
    std::string name = stem + std::string(extension);
    for (int suffix = 2; FTaken.count(LowerAscii(name)) != 0; ++suffix) {
        name = stem + "-" + std::to_string(suffix) + std::string(extension);
    }
    FTaken.insert(LowerAscii(name));
    return name;
}

}  // namespace qelsch
