// What the KiCad export could not carry over as it is: objects without a KiCad counterpart
// (left out) and objects drawn another way (approximated). Nothing is left out silently: every
// entry names its document, the object and where it stands.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kicad {

enum class TExportNoteKind { LeftOut, Approximated };

struct TExportNote {
    TExportNoteKind Kind = TExportNoteKind::LeftOut;
    std::string Document;  // UTF-8
    std::string Text;      // what and where, UTF-8
};

class TExportReport {
  public:
    void LeftOut(std::string document, std::string text);
    void Approximated(std::string document, std::string text);

    const std::vector<TExportNote>& Notes() const { return FNotes; }
    size_t Count(TExportNoteKind kind) const;

    // The report's text: a heading, then one line per note, grouped by kind.
    std::string Text() const;
    // Writes Text() to `file`; false when it cannot be written.
    bool Write(const std::filesystem::path& file) const;

  private:
    std::vector<TExportNote> FNotes;
};

}  // namespace kicad
