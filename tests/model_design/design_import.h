// Imports small design texts through the real module code into the reference editor, and reads
// back what the editor holds.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "client.h"
#include "editor.h"
#include "report/report_manager.h"

namespace design_test {

// A design file around the given library, netlist and design sections. Lengths are in mil, so
// 1000 in the text is 100 host units.
std::string DesignFile(std::string_view library, std::string_view netlist, std::string_view design);
// Writes `text` into a fresh temporary file and answers its path.
std::filesystem::path WriteTempFile(const std::string& text, const std::string& name = "t.sch");

class DesignImport : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Reads and translates the text as the import driver does; messages go to FReport.
    void Import(const std::string& text);

    // The editor's document of that name, or null.
    const qelsch::Document* Document(std::string_view name) const;
    // Names of the schematic sheet documents, in creation order (library documents left out).
    std::vector<std::string> DocumentNames() const;

    // The objects of kind T added to the document, in insertion order.
    template <class T>
    std::vector<const T*> Objects(const qelsch::Document& document) const {
        std::vector<const T*> found;
        for (SchHandle handle : document.objects) {
            const qelsch::SchObject* object = qelsch::Editor().FindObject(handle);
            if (const T* typed = object ? object->As<T>() : nullptr) found.push_back(typed);
        }
        return found;
    }
    // An owned text object by handle.
    const qelsch::Text* TextObject(SchHandle handle) const;

    // Lines of the load and import warnings, in order.
    std::vector<std::string> LoadWarnings() const;
    std::vector<std::string> ImportWarnings() const;

    TReportManager FReport;
    std::filesystem::path FWorkspace;
    std::unique_ptr<client::TClient> FClient;
};

}  // namespace design_test
