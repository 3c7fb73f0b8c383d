#include "sexpr_text.h"

namespace kicad {

std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r') {
            out += "\\n";
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) {
            out += c;
        }
    }
    return out + '"';
}

std::string SafeSymbolName(std::string_view utf8) {
    std::string out;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        const bool illegal = byte <= 0x20 || byte == 0x7f || c == ':' || c == '/' || c == '\\' ||
                             c == '"' || c == '{' || c == '}';
        out += illegal ? '_' : c;
    }
    return out.empty() ? "_" : out;
}

}  // namespace kicad
