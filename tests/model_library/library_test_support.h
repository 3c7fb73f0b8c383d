// Reading library sections from small texts, and importing library files through the real module
// code into the reference editor.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "client.h"
#include "editor.h"
#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"
#include "report/report_manager.h"

namespace library_test {

// Writes `text` into a fresh temporary folder and answers the file's path.
std::filesystem::path WriteTempFile(const std::string& text, const std::string& name = "t.lia");

// A library file (lengths in mil: 100 in the text is 10 host units) around `library`, the
// contents of the library section.
std::string LibraryFile(std::string_view library);

// One section read from a text such as "(font (fontType Stroke))" the way its owner's loop
// reads it: the owner takes "(" and the keyword, the object parses the rest. Lengths are read
// in host units from mil.
class TSectionReader {
  public:
    explicit TSectionReader(const std::string& text);
    ~TSectionReader();

    template <class T>
    std::unique_ptr<T> Read() {
        Start();
        auto object = std::make_unique<T>(&FRoot);
        object->Parse();
        return object;
    }
    // The token after the section (to see that the section took exactly its own text).
    int32_t NextToken() { return FParser->NextToken(); }
    const std::string& TokenText() const { return FParser->TokenText(); }

  private:
    void Start();

    std::filesystem::path FPath;
    std::unique_ptr<TNimboParser> FParser;
    TNimboObject FRoot{nullptr};
};

// Imports library files through the import driver's reading and translation into the
// reference editor, with the host client installed; records the "Sch:" commands sent.
class LibraryImport : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Reads and translates a whole file; messages go to FReport.
    void Import(const std::string& text);
    void ImportLibrary(std::string_view library) { Import(LibraryFile(library)); }

    // The library documents the import created, in creation order.
    std::vector<const qelsch::Document*> LibraryDocuments() const;
    // The one library document; fails the test when there is not exactly one.
    const qelsch::Document& Library() const;
    // The library's component of that name, or null.
    const qelsch::LibraryComponent* Component(std::string_view name) const;

    // The objects of kind T drawn into part `part` (from 1) and mode of a component.
    template <class T>
    std::vector<const T*> Drawn(const qelsch::LibraryComponent& component, int part,
                                qelsch::DisplayMode mode = qelsch::DisplayMode::Normal) const {
        std::vector<const T*> found;
        if (part < 1 || static_cast<size_t>(part) > component.parts.size()) return found;
        for (SchHandle handle : component.parts[part - 1].In(mode)) {
            const qelsch::SchObject* object = qelsch::Editor().FindObject(handle);
            if (const T* typed = object ? object->As<T>() : nullptr) found.push_back(typed);
        }
        return found;
    }
    // Every object in a part and mode, whatever its kind.
    size_t DrawnCount(const qelsch::LibraryComponent& component, int part,
                      qelsch::DisplayMode mode = qelsch::DisplayMode::Normal) const;

    std::vector<std::string> ImportWarnings() const;
    // The "Sch:" commands sent to the editor, in order.
    const std::vector<std::string>& Commands() const;

    TReportManager FReport;
    std::filesystem::path FWorkspace;
    std::unique_ptr<client::TClient> FClient;
};

}  // namespace library_test
