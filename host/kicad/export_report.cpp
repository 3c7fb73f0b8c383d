#include "export_report.h"

#include <fstream>

namespace kicad {

void TExportReport::LeftOut(std::string document, std::string text) {
    FNotes.push_back({TExportNoteKind::LeftOut, std::move(document), std::move(text)});
}

void TExportReport::Approximated(std::string document, std::string text) {
    FNotes.push_back({TExportNoteKind::Approximated, std::move(document), std::move(text)});
}

size_t TExportReport::Count(TExportNoteKind kind) const {
    size_t count = 0;
    for (const TExportNote& note : FNotes) count += note.Kind == kind;
    return count;
}

std::string TExportReport::Text() const {
    std::string text = "KiCad export\n";
    const struct {
        TExportNoteKind Kind;
        const char* Heading;
    } groups[] = {{TExportNoteKind::LeftOut, "Left out (no KiCad counterpart)"},
                  {TExportNoteKind::Approximated, "Approximated"}};
    for (const auto& group : groups) {
        text += "\n" + std::string(group.Heading) + ": " + std::to_string(Count(group.Kind)) + "\n";
        for (const TExportNote& note : FNotes)
            if (note.Kind == group.Kind) text += "  " + note.Document + ": " + note.Text + "\n";
    }
    return text;
}

bool TExportReport::Write(const std::filesystem::path& file) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << Text();
    return static_cast<bool>(out.flush());
}

}  // namespace kicad
