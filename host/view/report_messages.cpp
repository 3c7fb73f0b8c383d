#include "report_messages.h"

#include <charconv>
#include <map>
#include <set>
#include <tuple>

namespace view {
namespace {

struct TSectionHeading {
    std::string_view Text;
    TReportSection Section;
};

constexpr TSectionHeading kHeadings[] = {
    {"Load Errors : ", TReportSection::LoadErrors},
    {"Import Errors : ", TReportSection::ImportErrors},
    {"Load Warnings : ", TReportSection::LoadWarnings},
    {"Import Warnings : ", TReportSection::ImportWarnings},
};

constexpr std::string_view kLocationIndent = "          ";
constexpr std::string_view kBusEntryPrefix = "Bus Entry: ";
constexpr std::string_view kNetLabelPrefix = "Net label : ";
constexpr std::string_view kPortPrefix = "Port : ";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

std::optional<int32_t> ReadInt(std::string_view& text) {
    text = TrimLeft(text);
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

bool Take(std::string_view& text, std::string_view expected) {
    text = TrimLeft(text);
    if (!text.starts_with(expected)) return false;
    text.remove_prefix(expected.size());
    return true;
}

// "(x, y)" at the start of `text`.
std::optional<qelsch::SchPoint> ReadPoint(std::string_view& text) {
    if (!Take(text, "(")) return std::nullopt;
    const std::optional<int32_t> x = ReadInt(text);
    if (!x || !Take(text, ",")) return std::nullopt;
    const std::optional<int32_t> y = ReadInt(text);
    if (!y || !Take(text, ")")) return std::nullopt;
    return qelsch::SchPoint{*x, *y};
}

// "name (x, y)": the point is the last parenthesis, so a name may hold parentheses itself.
std::optional<TReportLocation> ReadNamedLocation(std::string_view text, uint8_t kind) {
    const size_t open = text.rfind(" (");
    if (open == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(open + 1);
    const std::optional<qelsch::SchPoint> at = ReadPoint(rest);
    if (!at || !TrimLeft(rest).empty()) return std::nullopt;
    return TReportLocation{kind, std::string(text.substr(0, open)), *at, {}};
}

std::optional<TReportLocation> ReadLocation(std::string_view line) {
    if (!line.starts_with(kLocationIndent)) return std::nullopt;
    line = TrimLeft(line);
    if (line.starts_with(kBusEntryPrefix)) {
        line.remove_prefix(kBusEntryPrefix.size());
        const std::optional<qelsch::SchPoint> at = ReadPoint(line);
        const std::optional<qelsch::SchPoint> corner = at ? ReadPoint(line) : std::nullopt;
        if (!corner) return std::nullopt;
        return TReportLocation{kSchKindBusEntry, {}, *at, *corner};
    }
    if (line.starts_with(kNetLabelPrefix))
        return ReadNamedLocation(line.substr(kNetLabelPrefix.size()), kSchKindNetLabel);
    if (line.starts_with(kPortPrefix))
        return ReadNamedLocation(line.substr(kPortPrefix.size()), kSchKindPort);
    return std::nullopt;
}

// "     12. message": the number and the message; nullopt for a line without a number.
std::optional<std::pair<int, std::string_view>> ReadNumbered(std::string_view line) {
    std::string_view rest = line;
    const std::optional<int32_t> number = ReadInt(rest);
    if (!number || !rest.starts_with(". ")) return std::nullopt;
    return std::pair<int, std::string_view>{*number, rest.substr(2)};
}

bool Matches(const qelsch::SchObject& object, const TReportLocation& location) {
    if (object.kind != location.Kind || !(object.location == location.At)) return false;
    if (const auto* entry = object.As<qelsch::BusEntry>()) return entry->corner == location.Corner;
    if (const auto* label = object.As<qelsch::NetLabel>()) return label->text == location.Name;
    if (const auto* port = object.As<qelsch::Port>()) return port->name == location.Name;
    return false;
}

}  // namespace

const char* SectionName(TReportSection section) {
    switch (section) {
        case TReportSection::LoadErrors:
            return "Load Errors";
        case TReportSection::ImportErrors:
            return "Import Errors";
        case TReportSection::LoadWarnings:
            return "Load Warnings";
        case TReportSection::ImportWarnings:
            return "Import Warnings";
    }
    return "";
}

std::vector<TReportMessage> ParseReport(std::string_view report) {
    std::vector<TReportMessage> messages;
    std::optional<TReportSection> section;
    for (std::string_view line : SplitLines(report)) {
        if (line.empty()) {
            section.reset();
            continue;
        }
        bool heading = false;
        for (const TSectionHeading& candidate : kHeadings) {
            if (line.starts_with(candidate.Text)) {
                section = candidate.Section;
                heading = true;
            }
        }
        if (heading || !section) continue;
        if (std::optional<TReportLocation> location = ReadLocation(line)) {
            if (!messages.empty() && !messages.back().Location)
                messages.back().Location = std::move(location);
            continue;
        }
        TReportMessage message;
        message.Section = *section;
        if (auto numbered = ReadNumbered(line)) {
            message.Number = numbered->first;
            message.Text = std::string(numbered->second);
        } else {
            message.Text = std::string(TrimLeft(line));
        }
        messages.push_back(std::move(message));
    }
    return messages;
}

std::vector<std::optional<TMessagePlace>> PlaceMessages(
    const qelsch::SchEditor& editor, const std::vector<TReportMessage>& messages) {
    // The sheets' objects by kind and location, each list in document and insertion order.
    using TKey = std::tuple<uint8_t, int32_t, int32_t>;
    std::map<TKey, std::vector<TMessagePlace>> byLocation;
    for (const qelsch::DocumentInfo& info : editor.ListDocuments()) {
        const qelsch::Document* document = editor.FindDocument(info.handle);
        if (!document || document->kind != qelsch::DocumentKind::Sheet) continue;
        for (SchHandle handle : document->objects) {
            const qelsch::SchObject* object = editor.FindObject(handle);
            if (!object) continue;
            if (object->kind != kSchKindBusEntry && object->kind != kSchKindNetLabel &&
                object->kind != kSchKindPort)
                continue;
            byLocation[{object->kind, object->location.x, object->location.y}].push_back(
                {info.handle, handle});
        }
    }
    std::vector<std::optional<TMessagePlace>> places(messages.size());
    std::set<SchHandle> claimed;
    for (size_t i = 0; i < messages.size(); ++i) {
        const std::optional<TReportLocation>& location = messages[i].Location;
        if (!location) continue;
        auto found = byLocation.find({location->Kind, location->At.x, location->At.y});
        if (found == byLocation.end()) continue;
        for (const TMessagePlace& candidate : found->second) {
            const qelsch::SchObject* object = editor.FindObject(candidate.Object);
            if (object && !claimed.contains(candidate.Object) && Matches(*object, *location)) {
                claimed.insert(candidate.Object);
                places[i] = candidate;
                break;
            }
        }
    }
    return places;
}

}  // namespace view
