// Conversion of the bytes stored in the editor (the imported file's code page) to UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qelsch {

enum class CodePage {
    Auto,    // valid UTF-8 stays as it is, anything else is read as Windows-1252
    Cp1251,  // Windows-1251 (Cyrillic)
    Cp1252,  // Windows-1252 (Western)
    Utf8,    // UTF-8; invalid sequences become U+FFFD
};

// "auto", "1251", "1252", "utf-8" (also "cp1251", "windows-1251", "utf8", any case); nullopt
// for anything else.
std::optional<CodePage> ParseCodePage(std::string_view name);

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, <= U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// `bytes` read in `codePage`, as UTF-8. Never fails: bytes that have no character become U+FFFD.
std::string ToUtf8(std::string_view bytes, CodePage codePage);

}  // namespace qelsch
