#include "host/sch_text.h"

#include <algorithm>
#include <cstring>

std::string TSchText::Get() const {
    return std::string(FBuffer.data(), strnlen(FBuffer.data(), kMaxLength));
}

void TSchText::Set(std::string_view text) {
    const size_t length = std::min(text.size(), kMaxLength);
    FBuffer.fill('\0');
    std::copy_n(text.data(), length, FBuffer.data());
}
