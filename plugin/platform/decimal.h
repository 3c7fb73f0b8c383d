// Conversion of number texts, independent of the locale (the decimal point is always ".").
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// An optional sign and decimal digits, or an optional sign and hexadecimal digits after "0x"
// or "x" (either case). Nothing else may stand in the text. Decimal values must fit in 32 bits;
// hexadecimal ones may go up to FFFFFFFF and give that bit pattern. nullopt when the text is
// not such a number.
std::optional<int32_t> TryStrToInt(std::string_view text);

// An optional sign, digits with an optional "." and fraction (a digit on at least one side),
// and an optional exponent "E"/"e" with optional sign and digits. nullopt when the text is not
// such a number or its value is beyond the range of a double.
std::optional<double> TryStrToFloat(std::string_view text);

}  // namespace platform
