// Reading the parameter text that comes with an editor command ("Name=Value|Name=Value").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qelsch {

// The parameter text in a caller's buffer, read no further than `bufferSize` bytes (the
// command's declared size; 256 when it declares none) and no further than its first NUL.
std::string_view ParameterText(const char* buffer, uint16_t bufferSize);

// The value of the first parameter called `name` (any letter case), blanks trimmed; nullopt
// when there is none.
std::optional<std::string> FindParameter(std::string_view parameters, std::string_view name);

// ASCII case-insensitive equality of two words.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace qelsch
