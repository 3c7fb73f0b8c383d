// The message counts of a translation report, read back from its count section headings
// ("Load Errors : 2" ...).
#pragma once

#include <filesystem>
#include <optional>

namespace app {

struct TReportCounts {
    int LoadErrors = 0;
    int ImportErrors = 0;
    int LoadWarnings = 0;
    int ImportWarnings = 0;

    int Errors() const { return LoadErrors + ImportErrors; }
    int Warnings() const { return LoadWarnings + ImportWarnings; }
};

// The counts of the report at `path`; nullopt when it cannot be read.
std::optional<TReportCounts> ReadReportCounts(const std::filesystem::path& path);

}  // namespace app
