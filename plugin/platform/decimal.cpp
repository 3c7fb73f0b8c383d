#include "platform/decimal.h"

#include <charconv>
#include <string>
#include <system_error>

namespace platform {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Splits off an optional sign; returns whether it was "-".
bool TakeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

bool TakeHexPrefix(std::string_view& text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        return true;
    }
    if (!text.empty() && (text[0] == 'x' || text[0] == 'X')) {
        text.remove_prefix(1);
        return true;
    }
    return false;
}

// Power of ten of the first significant digit of a well-formed unsigned decimal text (only
// its sign matters: whether a value out of range was too large or too small).
int64_t DecimalMagnitude(std::string_view text) {
    int64_t power = 0;
    bool significant = false;
    bool afterPoint = false;
    size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!significant && c != '0') {
            significant = true;
            if (afterPoint) --power;
        } else if (significant && !afterPoint) {
            ++power;
        } else if (!significant && afterPoint) {
            --power;
        }
    }
    int64_t exponent = 0;
    if (i < text.size()) {
        std::string_view rest = text.substr(i + 1);
        const bool negative = TakeSign(rest);
        for (char c : rest) {
            if (exponent < 1000000000) exponent = exponent * 10 + (c - '0');
        }
        if (negative) exponent = -exponent;
    }
    return power + exponent;
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
    const bool negative = TakeSign(text);
    const bool hex = TakeHexPrefix(text);
    if (text.empty()) return std::nullopt;
    // Magnitude in 64 bits; any value beyond the limit fails before it can overflow.
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    uint64_t magnitude = 0;
    for (char c : text) {
        const int digit = hex ? HexValue(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (magnitude > limit) return std::nullopt;
    }
    // Two's complement of the low 32 bits, computed unsigned.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

std::optional<double> TryStrToFloat(std::string_view text) {
    const bool negative = TakeSign(text);
    size_t i = 0;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    const bool hasExponent = i < text.size() && (text[i] == 'e' || text[i] == 'E');
    if (hasExponent) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    // Up to 15 digits with no exponent (most lengths and coordinates, "400.0"): the digits are
    // an exact integer and the power of ten an exact double, so one division rounds the value
    // correctly, just as the general conversion would.
    if (digits <= 15 && !hasExponent) {
        static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        uint64_t mantissa = 0;
        size_t fractionDigits = 0;
        bool afterPoint = false;
        for (char c : text) {
            if (c == '.') {
                afterPoint = true;
                continue;
            }
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            if (afterPoint) ++fractionDigits;
        }
        const double value = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is no number of this type.
        if (DecimalMagnitude(text) < 0) return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace platform
