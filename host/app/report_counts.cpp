#include "report_counts.h"

#include <charconv>
#include <fstream>
#include <string>
#include <string_view>

namespace app {

namespace {

// The number after `heading` when `line` starts with it.
std::optional<int> CountAfter(std::string_view line, std::string_view heading) {
    if (!line.starts_with(heading)) return std::nullopt;
    line.remove_prefix(heading.size());
    int count = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), count);
    if (error != std::errc() || end == line.data()) return std::nullopt;
    return count;
}

}  // namespace

std::optional<TReportCounts> ReadReportCounts(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    TReportCounts counts;
    const std::pair<std::string_view, int TReportCounts::*> headings[] = {
        {"Load Errors : ", &TReportCounts::LoadErrors},
        {"Import Errors : ", &TReportCounts::ImportErrors},
        {"Load Warnings : ", &TReportCounts::LoadWarnings},
        {"Import Warnings : ", &TReportCounts::ImportWarnings},
    };
    std::string line;
    while (std::getline(in, line)) {
        for (const auto& [heading, field] : headings)
            if (std::optional<int> count = CountAfter(line, heading)) counts.*field = *count;
    }
    return counts;
}

}  // namespace app
