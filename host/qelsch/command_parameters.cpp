#include "command_parameters.h"

#include <cstring>

namespace qelsch {
namespace {

constexpr uint16_t kDefaultParameterBufferSize = 256;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view ParameterText(const char* buffer, uint16_t bufferSize) {
    if (!buffer) return {};
    const size_t limit = bufferSize != 0 ? bufferSize : kDefaultParameterBufferSize;
    return {buffer, strnlen(buffer, limit)};
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::optional<std::string> FindParameter(std::string_view parameters, std::string_view name) {
    while (!parameters.empty()) {
        const size_t bar = parameters.find('|');
        const std::string_view item = parameters.substr(0, bar);
        parameters =
            bar == std::string_view::npos ? std::string_view{} : parameters.substr(bar + 1);
        const size_t equals = item.find('=');
        if (equals == std::string_view::npos) continue;
        if (SameWord(Trim(item.substr(0, equals)), Trim(name))) {
            return std::string(Trim(item.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

}  // namespace qelsch
