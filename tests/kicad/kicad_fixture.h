// Sheets and libraries built directly in the editor's store, exported into a temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editor.h"
#include "object_store.h"
#include "project_export.h"

namespace kicad::testing {

class KicadExport : public ::testing::Test {
  public:
    void SetUp() override {
        Editor().Reset();
        char pattern[] = "/tmp/kicad-test-XXXXXX";
        FFolder = mkdtemp(pattern);
    }
    void TearDown() override {
        Editor().Reset();
        std::error_code error;
        std::filesystem::remove_all(FFolder, error);
    }

    static qelsch::SchEditor& Editor() { return qelsch::Editor(); }
    static qelsch::ObjectStore& Store() { return Editor().Store(); }

    SchHandle Library(const std::string& name = "lib") {
        return Store().CreateDocument(qelsch::DocumentKind::Library, name, "");
    }
    SchHandle Sheet(const std::string& name = "S1") {
        const SchHandle sheet = Store().CreateDocument(qelsch::DocumentKind::Sheet, name, "");
        auto& options = Store().FindDocument(sheet)->options;
        options.useCustomSheet = 1;
        options.customX = 1000;
        options.customY = 800;
        return sheet;
    }
    template <class T>
    T& Add(SchHandle document, uint8_t kind, qelsch::SchPoint at = {}) {
        const SchHandle handle = Store().CreateObject(kind);
        T& object = *Store().Find<T>(handle);
        object.location = at;
        Store().AddToContainer(document, handle);
        return object;
    }
    qelsch::Pin& LibraryPin(SchHandle library, const std::string& designator, qelsch::SchPoint at,
                            uint8_t orientation, int32_t length = 10) {
        auto& pin = Add<qelsch::Pin>(library, kSchKindPin, at);
        pin.designator = designator;
        pin.name = "P" + designator;
        pin.orientation = orientation;
        pin.length = length;
        return pin;
    }
    qelsch::Part& Part(SchHandle sheet, const std::string& libReference,
                       const std::string& designator, qelsch::SchPoint at, uint8_t orientation = 0,
                       bool mirrored = false) {
        auto& part = Add<qelsch::Part>(sheet, kSchKindPart, at);
        part.libReference = libReference;
        part.orientation = orientation;
        part.mirrored = mirrored;
        Store().Find<qelsch::Text>(part.designatorField)->text = designator;
        return part;
    }
    qelsch::Wire& Wire(SchHandle sheet, std::initializer_list<qelsch::SchPoint> vertices) {
        auto& wire = Add<qelsch::Wire>(sheet, kSchKindWire);
        wire.vertices = vertices;
        return wire;
    }

    TKicadExportResult Export(const std::string& name = "proj") {
        TKicadExportOptions options;
        options.ProjectName = name;
        return ExportKicadProject(Editor(), FFolder, options);
    }
    std::string Read(const std::string& file) const {
        std::ifstream in(FFolder / file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    const std::filesystem::path& Folder() const { return FFolder; }

  private:
    std::filesystem::path FFolder;
};

}  // namespace kicad::testing
