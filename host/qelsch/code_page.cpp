#include "code_page.h"

#include <array>
#include <cstdint>

#include "command_parameters.h"

namespace qelsch {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kNone = kReplacement;  // a byte the code page gives no character

// Windows-1252, bytes 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, kNone,  0x017D, kNone,  kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178};

// Windows-1251, bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char32_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, kNone,  0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

char32_t FromCp1251(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < 0xC0) return kCp1251High[byte - 0x80];
    return 0x0410 + (byte - 0xC0);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at `at`, or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

std::string FromSingleByte(std::string_view bytes, char32_t (*decode)(unsigned char)) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) AppendUtf8(out, decode(static_cast<unsigned char>(b)));
    return out;
}

std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            AppendUtf8(out, kReplacement);
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

}  // namespace

std::optional<CodePage> ParseCodePage(std::string_view name) {
    for (auto word : {"auto"}) {
        if (SameWord(name, word)) return CodePage::Auto;
    }
    for (auto word : {"1251", "cp1251", "windows-1251"}) {
        if (SameWord(name, word)) return CodePage::Cp1251;
    }
    for (auto word : {"1252", "cp1252", "windows-1252"}) {
        if (SameWord(name, word)) return CodePage::Cp1252;
    }
    for (auto word : {"utf-8", "utf8"}) {
        if (SameWord(name, word)) return CodePage::Utf8;
    }
    return std::nullopt;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string ToUtf8(std::string_view bytes, CodePage codePage) {
    switch (codePage) {
        case CodePage::Auto:
            return IsValidUtf8(bytes) ? std::string(bytes) : FromSingleByte(bytes, FromCp1252);
        case CodePage::Cp1251:
            return FromSingleByte(bytes, FromCp1251);
        case CodePage::Cp1252:
            return FromSingleByte(bytes, FromCp1252);
        case CodePage::Utf8:
            return RepairUtf8(bytes);
    }
    return std::string(bytes);
}

}  // namespace qelsch
