#include "project_export.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <locale>
#include <map>
#include <memory>
#include <system_error>

#include "component_symbol.h"
#include "file_names.h"
#include "object_store.h"
#include "pin_node.h"
#include "sexpr_text.h"
#include "sheet_export.h"
#include "stable_uuid.h"

namespace kicad {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileHead = "(kicad_sch (version 20211123) (generator zorvan_import)\n";

bool EndsWithPrj(const std::string& name) {
    return name.size() > 4 && connectivity::UpperAscii(name.substr(name.size() - 4)) == ".PRJ";
}

// The project document: named "<design>.prj", holding sheet symbols.
bool IsProjectDocument(const qelsch::SchEditor& editor, const qelsch::Document& document) {
    if (!EndsWithPrj(document.name)) return false;
    for (SchHandle handle : document.objects) {
        const qelsch::SchObject* object = editor.FindObject(handle);
        if (object && object->As<qelsch::SheetSymbol>()) return true;
    }
    return false;
}

class TProjectWriter {
  public:
    TProjectWriter(const qelsch::SchEditor& editor, const fs::path& folder,
                   const TKicadExportOptions& options)
        : FEditor(editor), FFolder(folder), FOptions(options) {}

    TKicadExportResult Run();

  private:
    struct TSheetFile {
        const qelsch::Document* Document = nullptr;
        std::string Name;  // UTF-8
        std::string File;  // file name in the folder
        std::string Uuid;  // the sheet symbol's UUID on the root
        TSheetBody Body;
    };

    void FindDocuments();
    std::string ProjectName() const;
    void BuildSymbols(TExportContext& context);
    // A .kicad_sch; the root's ends with the instances of every sheet.
    enum class TInstances { None, Flat, Hierarchical };
    void WriteSheetFile(std::ostream& out, const std::string& uuid, const TKiPoint& page,
                        const TSheetBody& body, TInstances instances) const;
    void WriteRootWithSheets(std::ostream& out, const std::string& rootUuid) const;
    void WriteInstances(std::ostream& out, bool hierarchical) const;
    std::string LibraryText() const;
    std::string ProjectFileText(const std::string& rootUuid) const;
    // Writes the file through a temporary one, streamed by `write`.
    void Write(const std::string& file, const std::function<void(std::ostream&)>& write);
    void Write(const std::string& file, const std::string& text) {
        Write(file, [&](std::ostream& out) { out << text; });
    }

    const qelsch::SchEditor& FEditor;
    fs::path FFolder;
    const TKicadExportOptions& FOptions;
    TKicadExportResult FResult;
    std::unique_ptr<TExportContext> FContext;
    std::string FName;
    const qelsch::Document* FProject = nullptr;
    std::vector<const qelsch::Document*> FSheets;
    std::vector<const qelsch::Document*> FLibraries;
    std::vector<TSheetFile> FSheetFiles;
};

void TProjectWriter::FindDocuments() {
    for (const qelsch::DocumentInfo& info : FEditor.ListDocuments()) {
        const qelsch::Document* document = FEditor.FindDocument(info.handle);
        if (!document) continue;
        if (document->kind == qelsch::DocumentKind::Library)
            FLibraries.push_back(document);
        else if (!FProject && IsProjectDocument(FEditor, *document))
            FProject = document;
        else
            FSheets.push_back(document);
    }
}

std::string TProjectWriter::ProjectName() const {
    std::string name = FOptions.ProjectName;
    if (name.empty() && FProject) name = FProject->name.substr(0, FProject->name.size() - 4);
    if (name.empty() && !FSheets.empty()) name = FSheets.front()->name;
    if (name.empty() && !FLibraries.empty()) name = FLibraries.front()->name;
    return qelsch::SafeFileStem(qelsch::ToUtf8(name, FOptions.CodePage));
}

void TProjectWriter::BuildSymbols(TExportContext& context) {
    for (const qelsch::Document* library : FLibraries)
        for (SchHandle handle : library->components)
            if (const qelsch::LibraryComponent* component = FEditor.FindComponent(handle))
                context.AddComponentSymbol(
                    handle, SymbolOfComponent(
                                FEditor, *component, SafeSymbolName(context.Utf8(component->name)),
                                FOptions.CodePage, FResult.Report, context.Utf8(library->name)));
}

void TProjectWriter::WriteSheetFile(std::ostream& out, const std::string& uuid,
                                    const TKiPoint& page, const TSheetBody& body,
                                    TInstances instances) const {
    out << kFileHead << "\n  (uuid " << uuid << ")\n\n  (paper \"User\" " << PairText(page)
        << ")\n\n  (lib_symbols\n";
    for (const std::string& name : body.UsedSymbols)
        if (const TKicadSymbol* symbol = FContext->FindSymbol(name))
            out << SymbolText(*symbol, FContext->LibraryName(), 4);
    out << "  )\n";
    for (const std::string& item : body.Items) {
        out << '\n';
        const std::string_view text(item);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            out << "  " << text.substr(start, end - start) << '\n';
            start = end + 1;
        }
    }
    if (instances != TInstances::None) WriteInstances(out, instances == TInstances::Hierarchical);
    out << ")\n";
}

void TProjectWriter::WriteInstances(std::ostream& out, bool hierarchical) const {
    out << "\n  (sheet_instances\n    (path \"/\" (page \"1\"))\n";
    if (hierarchical)
        for (size_t i = 0; i < FSheetFiles.size(); ++i)
            out << "    (path \"/" << FSheetFiles[i].Uuid << "\" (page \"" << i + 2 << "\"))\n";
    out << "  )\n\n  (symbol_instances\n";
    for (const TSheetFile& sheet : FSheetFiles) {
        const std::string prefix = hierarchical ? "/" + sheet.Uuid : "";
        for (const TSymbolInstance& instance : sheet.Body.Instances)
            out << "    (path \"" << prefix << "/" << instance.Uuid << "\"\n      (reference "
                << Quoted(instance.Reference) << ") (unit " << instance.Unit << ") (value "
                << Quoted(instance.Value) << ") (footprint " << Quoted(instance.Footprint)
                << ")\n    )\n";
    }
    out << "  )\n";
}

void TProjectWriter::WriteRootWithSheets(std::ostream& out, const std::string& rootUuid) const {
    const qelsch::Document& layout = FProject ? *FProject : *FSheets.front();
    const TKiPoint page = PageSize(layout.options);
    const TSheetFrame frame{page.Y};
    // Where the project document put each sheet's symbol, by sheet name.
    std::map<std::string, const qelsch::SheetSymbol*> placed;
    if (FProject)
        for (SchHandle handle : FProject->objects) {
            const auto* symbol = FEditor.Store().Find<qelsch::SheetSymbol>(handle);
            const auto* name =
                symbol ? FEditor.Store().Find<qelsch::Text>(symbol->sheetNameField) : nullptr;
            if (name) placed.try_emplace(connectivity::UpperAscii(name->text), symbol);
        }
    TSheetBody body;
    int64_t nextX = 0;
    for (const auto& [name, symbol] : placed)
        nextX = std::max(nextX, int64_t{symbol->location.x} + symbol->xSize);
    for (const TSheetFile& sheet : FSheetFiles) {
        auto found = placed.find(connectivity::UpperAscii(sheet.Document->name));
        qelsch::SchPoint at{static_cast<int32_t>(std::min<int64_t>(nextX + 20, INT32_MAX / 2)), 0};
        int32_t width = 200, height = 100;
        if (found != placed.end()) {
            at = found->second->location;
            width = found->second->xSize;
            height = found->second->ySize;
        } else {
            // A sheet the project document does not show (a title sheet, a sheet that a module
            // links to) stands to the right of the others.
            at.y = static_cast<int32_t>(std::min<int64_t>(page.Y / 254 - 20, INT32_MAX / 2));
            nextX += 20 + width;
        }
        const TKiPoint corner = frame.Place(at);
        const TKiPoint below = {corner.X, corner.Y + HostToMicrometres(height)};
        body.Items.push_back(
            "(sheet (at " + PairText(corner) + ") (size " + MmText(HostToMicrometres(width)) + " " +
            MmText(HostToMicrometres(height)) +
            ")\n  (stroke (width 0) (type solid) (color 0 0 0 0))\n  (fill (color 0 0 0 0.0000))\n "
            " (uuid " +
            sheet.Uuid + ")\n  (property \"Sheet name\" " + Quoted(sheet.Name) + " (id 0) (at " +
            PairText({corner.X, corner.Y - 508}) + " 0)\n    " +
            EffectsText(1270, "left bottom", false) + "\n  )\n  (property \"Sheet file\" " +
            Quoted(sheet.File) + " (id 1) (at " + PairText({below.X, below.Y + 508}) + " 0)\n    " +
            EffectsText(1270, "left top", false) + "\n  )\n)");
    }
    WriteSheetFile(out, rootUuid, page, body, TInstances::Hierarchical);
}

std::string TProjectWriter::LibraryText() const {
    std::string text = "(kicad_symbol_lib (version 20211014) (generator zorvan_import)\n";
    for (const TKicadSymbol* symbol : FContext->AllSymbols()) text += SymbolText(*symbol, "", 2);
    return text + ")\n";
}

std::string TProjectWriter::ProjectFileText(const std::string& rootUuid) const {
    std::string sheets = "    [\n      \"" + rootUuid + "\",\n      \"\"\n    ]";
    if (FSheetFiles.size() > 1)
        for (const TSheetFile& sheet : FSheetFiles) {
            std::string name = Quoted(sheet.Name);  // JSON and the s-expressions escape alike here
            sheets += ",\n    [\n      \"" + sheet.Uuid + "\",\n      " + name + "\n    ]";
        }
    return "{\n  \"boards\": [],\n  \"libraries\": {\n    \"pinned_footprint_libs\": [],\n"
           "    \"pinned_symbol_libs\": []\n  },\n  \"meta\": {\n    \"filename\": " +
           Quoted(FName + ".kicad_pro") + ",\n    \"version\": 1\n  },\n  \"sheets\": [\n" +
           sheets + "\n  ],\n  \"text_variables\": {}\n}\n";
}

void TProjectWriter::Write(const std::string& file,
                           const std::function<void(std::ostream&)>& write) {
    const fs::path path = FFolder / file;
    const fs::path temporary = FFolder / (file + ".tmp");
    {
        std::vector<char> buffer(1 << 18);
        std::ofstream out;
        out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.imbue(std::locale::classic());  // numbers as std::to_string writes them
        out.open(temporary, std::ios::binary | std::ios::trunc);
        if (out) write(out);
        if (!out.flush()) {
            FResult.Errors.push_back(path.string() + ": cannot be written");
            return;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        FResult.Errors.push_back(path.string() + ": " + error.message());
        return;
    }
    FResult.Files.push_back(path);
}

TKicadExportResult TProjectWriter::Run() {
    std::error_code error;
    fs::create_directories(FFolder, error);
    if (error || !fs::is_directory(FFolder)) {
        FResult.Errors.push_back(FFolder.string() + ": cannot create the folder");
        return std::move(FResult);
    }
    FindDocuments();
    FName = ProjectName();
    FContext = std::make_unique<TExportContext>(FEditor, FOptions.CodePage, FResult.Report,
                                                SafeSymbolName(FName));
    BuildSymbols(*FContext);

    qelsch::UniqueFileNames names;
    const std::string rootFile = names.Claim(FName, ".kicad_sch");
    const std::string libraryFile = names.Claim(FName, ".kicad_sym");
    const std::string rootUuid = StableUuid("root/" + FName);
    const bool hierarchical = FSheets.size() > 1;
    for (size_t i = 0; i < FSheets.size(); ++i) {
        TSheetFile sheet;
        sheet.Document = FSheets[i];
        sheet.Name = FContext->Utf8(FSheets[i]->name);
        sheet.File =
            hierarchical ? names.Claim(qelsch::SafeFileStem(sheet.Name), ".kicad_sch") : rootFile;
        sheet.Uuid = StableUuid("sheet/" + std::to_string(i) + "/" + sheet.Name);
        const TSheetFrame frame{PageSize(sheet.Document->options).Y};
        sheet.Body = ExportSheetBody(*FContext, *sheet.Document, frame, sheet.Uuid);
        if (hierarchical) {
            // Written at once: only the instances stay for the root.
            Write(sheet.File, [&](std::ostream& out) {
                WriteSheetFile(out, StableUuid("file/" + sheet.Uuid),
                               PageSize(sheet.Document->options), sheet.Body, TInstances::None);
            });
            sheet.Body.Items = {};
            sheet.Body.UsedSymbols = {};
        }
        FSheetFiles.push_back(std::move(sheet));
    }
    if (FProject && !hierarchical)
        FResult.Report.LeftOut(FContext->Utf8(FProject->name),
                               "the project document (one sheet needs no hierarchy)");

    if (hierarchical) {
        Write(rootFile, [&](std::ostream& out) { WriteRootWithSheets(out, rootUuid); });
    } else if (!FSheetFiles.empty()) {
        const TSheetFile& sheet = FSheetFiles.front();
        Write(rootFile, [&](std::ostream& out) {
            WriteSheetFile(out, rootUuid, PageSize(sheet.Document->options), sheet.Body,
                           TInstances::Flat);
        });
    }
    if (!FSheetFiles.empty()) FResult.RootSheet = FFolder / rootFile;

    if (!FContext->AllSymbols().empty() || !FSheetFiles.empty()) {
        Write(libraryFile, LibraryText());
        FResult.Library = FFolder / libraryFile;
    }
    if (!FSheetFiles.empty()) {
        Write("sym-lib-table", "(sym_lib_table\n  (lib (name " + Quoted(FContext->LibraryName()) +
                                   ")(type \"KiCad\")(uri " + Quoted("${KIPRJMOD}/" + libraryFile) +
                                   ")(options \"\")(descr \"\"))\n)\n");
        Write(FName + ".kicad_pro", ProjectFileText(rootUuid));
    }
    Write("export-report.txt", FResult.Report.Text());
    return std::move(FResult);
}

}  // namespace

TKicadExportResult ExportKicadProject(const qelsch::SchEditor& editor, const fs::path& folder,
                                      const TKicadExportOptions& options) {
    return TProjectWriter(editor, folder, options).Run();
}

}  // namespace kicad
