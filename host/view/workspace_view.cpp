#include "workspace_view.h"

#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "command_parameters.h"
#include "component_drawing.h"
#include "file_names.h"
#include "index_page.h"
#include "library_lookup.h"
#include "report_messages.h"
#include "sheet_drawing.h"

namespace view {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kComponentsFolder = "components";

bool WriteFile(const fs::path& file, const std::string& text, std::string& error) {
    fs::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            error = "cannot write " + temporary.string();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code renamed;
    fs::rename(temporary, file, renamed);
    if (renamed) {
        error = "cannot write " + file.string() + ": " + renamed.message();
        return false;
    }
    return true;
}

std::optional<std::string> ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The report without its "Date" and "Time" lines, so that the page of two imports of the same
// file is the same; the linked report file keeps them.
std::string WithoutDateAndTime(std::string_view report) {
    std::string kept;
    while (!report.empty()) {
        const size_t end = report.find('\n');
        const std::string_view line =
            report.substr(0, end == std::string_view::npos ? report.size() : end + 1);
        if (!line.starts_with("Date     : ") && !line.starts_with("Time     : ")) kept += line;
        report.remove_prefix(line.size());
    }
    return kept;
}

std::string PointText(const qelsch::SchPoint& point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

std::string SectionLetter(TReportSection section) {
    switch (section) {
        case TReportSection::LoadErrors:
            return "LE";
        case TReportSection::ImportErrors:
            return "IE";
        case TReportSection::LoadWarnings:
            return "L";
        case TReportSection::ImportWarnings:
            return "I";
    }
    return "";
}

std::string SheetKindOf(const qelsch::Document& document) {
    if (document.options.titleSheet) return "Title sheet";
    const std::string& name = document.name;
    if (name.size() >= 4 &&
        qelsch::SameWord(std::string_view(name).substr(name.size() - 4), ".prj"))
        return "Project sheet";
    return "Sheet";
}

// The state of one save: names handed out, files written, problems met.
class TWorkspaceWriter {
  public:
    TWorkspaceWriter(const qelsch::SchEditor& editor, const fs::path& folder,
                     const TViewOptions& options)
        : FEditor(editor), FFolder(folder), FOptions(options), FComponents(editor) {
        FContext.Editor = &editor;
        FContext.Components = &FComponents;
        FContext.CodePage = options.CodePage;
    }

    TViewResult Run(const std::vector<qelsch::SavedDocument>& saved);

  private:
    std::string Utf8(const std::string& bytes) const {
        return qelsch::ToUtf8(bytes, FOptions.CodePage);
    }
    void Write(const fs::path& relative, const std::string& text);
    void NameSheets(const std::vector<qelsch::SavedDocument>& saved);
    std::string SheetLink(const qelsch::SheetSymbol& symbol, SchHandle from) const;
    void ReadReport();
    void ListDifferences();
    void IndexSheetContents();
    TIndexSheet DrawOneSheet(const qelsch::DocumentInfo& info, const qelsch::Document& document);
    TIndexLibrary DrawLibrary(const qelsch::DocumentInfo& info, const qelsch::Document& document);
    TIndexComponent DrawComponent(const qelsch::LibraryComponent& component,
                                  const std::string& libraryFolder, qelsch::UniqueFileNames& names);

    const qelsch::SchEditor& FEditor;
    fs::path FFolder;
    const TViewOptions& FOptions;
    TComponentIndex FComponents;
    TDrawContext FContext;
    TViewResult FResult;
    TIndexContent FIndex;
    std::vector<qelsch::DocumentInfo> FDocuments;
    std::map<SchHandle, std::string> FSheetFiles;    // document -> SVG file name (UTF-8)
    std::map<SchHandle, std::string> FSheetAnchors;  // document -> section id
    std::vector<TReportMessage> FMessages;
    std::vector<std::optional<TMessagePlace>> FPlaces;
    std::vector<std::optional<SchHandle>> FDifferenceSheets;  // per difference, the sheet marked
    // Built once per save so that drawing each sheet costs what that sheet holds, not what the
    // whole workspace holds: the located warnings and differences of each sheet (in report
    // order), and the section of each sheet drawing by its link.
    std::map<SchHandle, std::vector<size_t>> FPlacesOfSheet;
    std::map<SchHandle, std::vector<size_t>> FDifferencesOfSheet;
    std::map<std::string, std::string> FAnchorOfFile;
    size_t FComponentCount = 0;
};

void TWorkspaceWriter::Write(const fs::path& relative, const std::string& text) {
    const fs::path file = FFolder / relative;
    std::error_code created;
    fs::create_directories(file.parent_path(), created);
    std::string error;
    if (!created && WriteFile(file, text, error)) {
        FResult.Files.push_back(file);
    } else {
        FResult.Errors.push_back(created ? "cannot create " + file.parent_path().string() + ": " +
                                               created.message()
                                         : error);
    }
}

void TWorkspaceWriter::NameSheets(const std::vector<qelsch::SavedDocument>& saved) {
    std::map<SchHandle, fs::path> jsonFiles;
    for (const qelsch::SavedDocument& document : saved)
        jsonFiles[document.document] = document.file;
    // Sheets saved as JSON keep that file's stem; those names are unique already, so they are
    // claimed first and a sheet without a JSON file never takes one of them.
    qelsch::UniqueFileNames names;
    size_t anchor = 0;
    for (const qelsch::DocumentInfo& info : FDocuments) {
        FSheetAnchors[info.handle] = "document-" + std::to_string(++anchor);
        if (info.kind != qelsch::DocumentKind::Sheet) continue;
        if (auto found = jsonFiles.find(info.handle); found != jsonFiles.end())
            FSheetFiles[info.handle] = names.Claim(found->second.stem().string(), ".svg");
    }
    for (const qelsch::DocumentInfo& info : FDocuments) {
        if (info.kind == qelsch::DocumentKind::Sheet && !FSheetFiles.contains(info.handle))
            FSheetFiles[info.handle] = names.Claim(qelsch::SafeFileStem(Utf8(info.name)), ".svg");
    }
}

// The sheet a sheet symbol stands for: the sheet document named by its sheet name text (exactly,
// then without regard to letter case), else by its file name text.
std::string TWorkspaceWriter::SheetLink(const qelsch::SheetSymbol& symbol, SchHandle from) const {
    std::vector<std::string> wanted;
    for (SchHandle field : {symbol.sheetNameField, symbol.fileNameField}) {
        const qelsch::SchObject* object = FEditor.FindObject(field);
        if (const auto* text = object ? object->As<qelsch::Text>() : nullptr)
            if (!text->text.empty()) wanted.push_back(text->text);
    }
    for (const std::string& name : wanted) {
        for (bool exact : {true, false}) {
            for (const qelsch::DocumentInfo& info : FDocuments) {
                if (info.kind != qelsch::DocumentKind::Sheet || info.handle == from) continue;
                if (exact ? info.name == name : qelsch::SameWord(info.name, name))
                    return FSheetFiles.at(info.handle);
            }
        }
    }
    return {};
}

void TWorkspaceWriter::ReadReport() {
    if (!FOptions.ReportFile) return;
    const std::optional<std::string> report = ReadFile(*FOptions.ReportFile);
    if (!report) return;
    const fs::path relative = FOptions.ReportFile->lexically_relative(FFolder);
    const bool inside = !relative.empty() && *relative.begin() != "..";
    FIndex.ReportFile = inside ? relative.generic_string() : FOptions.ReportFile->string();
    FIndex.ReportText = Utf8(WithoutDateAndTime(*report));
    FMessages = ParseReport(*report);
    FPlaces = PlaceMessages(FEditor, FMessages);
    for (size_t i = 0; i < FMessages.size(); ++i) {
        const TReportMessage& message = FMessages[i];
        TIndexMessage entry;
        entry.Anchor = "message-" + std::to_string(i + 1);
        entry.Section = SectionName(message.Section);
        entry.Number = message.Number;
        entry.Text = Utf8(message.Text);
        entry.MarkLabel = SectionLetter(message.Section) + std::to_string(message.Number);
        if (const auto& location = message.Location) {
            if (location->Kind == kSchKindBusEntry) {
                entry.Location =
                    "Bus entry " + PointText(location->At) + " " + PointText(location->Corner);
            } else {
                entry.Location =
                    std::string(location->Kind == kSchKindPort ? "Port " : "Net label ") +
                    Utf8(location->Name) + " " + PointText(location->At);
            }
        }
        if (const auto& place = FPlaces[i]) {
            entry.SheetAnchor = FSheetAnchors[place->Document];
            if (const qelsch::Document* document = FEditor.FindDocument(place->Document))
                entry.SheetName = Utf8(document->name);
        }
        FIndex.Messages.push_back(std::move(entry));
    }
}

// The connectivity differences for the page; each one with a place is marked on the sheet of
// that name (its UTF-8 name, as the check gives it).
void TWorkspaceWriter::ListDifferences() {
    FIndex.ConnectivitySummary = FOptions.ConnectivitySummary;
    std::map<std::string, SchHandle> sheetByName;  // the first sheet of each name
    if (!FOptions.ConnectivityDifferences.empty()) {
        for (const qelsch::DocumentInfo& info : FDocuments)
            if (info.kind == qelsch::DocumentKind::Sheet)
                sheetByName.emplace(Utf8(info.name), info.handle);
    }
    for (size_t i = 0; i < FOptions.ConnectivityDifferences.size(); ++i) {
        const TConnectivityDifference& difference = FOptions.ConnectivityDifferences[i];
        TIndexDifference entry;
        entry.Anchor = "difference-" + std::to_string(i + 1);
        entry.Kind = difference.Kind;
        entry.Text = difference.Text;
        entry.MarkLabel = "C" + std::to_string(i + 1);
        std::optional<SchHandle> sheet;
        if (difference.Sheet) {
            entry.Place = *difference.Sheet + " (" + std::to_string(difference.X) + ", " +
                          std::to_string(difference.Y) + ")";
            if (auto found = sheetByName.find(*difference.Sheet); found != sheetByName.end()) {
                sheet = found->second;
                entry.SheetAnchor = FSheetAnchors[found->second];
            }
        }
        FDifferenceSheets.push_back(sheet);
        FIndex.Differences.push_back(std::move(entry));
    }
}

void TWorkspaceWriter::IndexSheetContents() {
    for (size_t i = 0; i < FPlaces.size(); ++i)
        if (FPlaces[i]) FPlacesOfSheet[FPlaces[i]->Document].push_back(i);
    for (size_t i = 0; i < FDifferenceSheets.size(); ++i)
        if (FDifferenceSheets[i]) FDifferencesOfSheet[*FDifferenceSheets[i]].push_back(i);
    for (const auto& [handle, svg] : FSheetFiles)
        FAnchorOfFile[UrlPath(svg)] = FSheetAnchors[handle];
}

TIndexSheet TWorkspaceWriter::DrawOneSheet(const qelsch::DocumentInfo& info,
                                           const qelsch::Document& document) {
    TIndexSheet sheet;
    sheet.Anchor = FSheetAnchors[info.handle];
    sheet.Name = Utf8(document.name);
    sheet.Kind = SheetKindOf(document);
    sheet.ObjectCount = document.objects.size();

    std::vector<TWarningMark> marks;
    std::vector<TIndexPicture::TArea> markAreas;
    for (size_t i : FPlacesOfSheet[info.handle]) {
        const qelsch::SchObject* object = FEditor.FindObject(FPlaces[i]->Object);
        if (!object) continue;
        const TIndexMessage& message = FIndex.Messages[i];
        const TPointD at = MarkPointOf(*object);
        marks.push_back({at, message.MarkLabel, message.Text});
        markAreas.push_back({TBox{at.X - 10, at.Y - 10, at.X + 10, at.Y + 10}, message.Anchor,
                             message.MarkLabel + ": " + message.Text});
        sheet.Messages.push_back(i);
    }
    for (size_t i : FDifferencesOfSheet[info.handle]) {
        const TConnectivityDifference& difference = FOptions.ConnectivityDifferences[i];
        const TIndexDifference& entry = FIndex.Differences[i];
        const TPointD at{static_cast<double>(difference.X), static_cast<double>(difference.Y)};
        marks.push_back({at, entry.MarkLabel, entry.Text, TWarningMark::TSource::Connectivity});
        markAreas.push_back({TBox{at.X - 10, at.Y - 10, at.X + 10, at.Y + 10}, entry.Anchor,
                             entry.MarkLabel + ": " + entry.Text});
        sheet.Differences.push_back(i);
    }

    FContext.OnMissingPart = [&](const qelsch::Part& part) {
        TMissingPart missing;
        missing.Document = sheet.Name;
        if (const qelsch::SchObject* field = FEditor.FindObject(part.designatorField))
            if (const auto* text = field->As<qelsch::Text>()) missing.Designator = Utf8(text->text);
        missing.LibReference = Utf8(part.libReference);
        missing.PartId = part.currentPartId;
        missing.At = part.location;
        sheet.MissingParts.push_back(missing.Describe());
        FResult.MissingParts.push_back(std::move(missing));
    };
    FContext.SheetLink = [&](const qelsch::SheetSymbol& symbol) {
        return UrlPath(SheetLink(symbol, info.handle));
    };
    const TDrawing drawing = DrawSheet(document, FContext, marks, sheet.Name);
    FContext.OnMissingPart = nullptr;
    FContext.SheetLink = nullptr;

    const std::string& file = FSheetFiles[info.handle];
    Write(fs::path(file), drawing.Svg);
    sheet.Picture.Caption = sheet.Name;
    sheet.Picture.File = file;
    sheet.Picture.ViewBox = drawing.ViewBox;
    for (const TLinkArea& link : drawing.Links) {
        if (auto found = FAnchorOfFile.find(link.Href); found != FAnchorOfFile.end())
            sheet.Picture.Areas.push_back({link.Box, found->second, "Open " + link.Href});
    }
    sheet.Picture.Areas.insert(sheet.Picture.Areas.end(), markAreas.begin(), markAreas.end());
    return sheet;
}

TIndexComponent TWorkspaceWriter::DrawComponent(const qelsch::LibraryComponent& component,
                                                const std::string& libraryFolder,
                                                qelsch::UniqueFileNames& names) {
    TIndexComponent entry;
    entry.Anchor = "component-" + std::to_string(++FComponentCount);
    entry.Name = Utf8(component.name);
    const auto& texts = component.texts;
    if (!texts[qelsch::kComponentTextDesignatorPrefix].empty())
        entry.Texts.emplace_back("Designator prefix",
                                 Utf8(texts[qelsch::kComponentTextDesignatorPrefix]));
    if (!texts[qelsch::kComponentTextFootprint].empty())
        entry.Texts.emplace_back("Footprint", Utf8(texts[qelsch::kComponentTextFootprint]));
    for (int field = qelsch::kComponentTextFirstField; field <= qelsch::kComponentTextLastField;
         ++field) {
        if (!texts[static_cast<size_t>(field)].empty())
            entry.Texts.emplace_back("Field", Utf8(texts[static_cast<size_t>(field)]));
    }
    entry.Texts.emplace_back("Parts", std::to_string(component.parts.size()));

    const std::string stem = qelsch::SafeFileStem(entry.Name);
    for (size_t part = 0; part < component.parts.size(); ++part) {
        for (int modeIndex = 0; modeIndex < qelsch::kDisplayModeCount; ++modeIndex) {
            const auto mode = static_cast<qelsch::DisplayMode>(modeIndex);
            if (component.parts[part].In(mode).empty()) continue;
            const std::string mode_name = qelsch::DisplayModeName(mode);
            const std::string caption = "Part " + std::to_string(part + 1) + ", " + mode_name;
            const std::string file =
                libraryFolder + "/" +
                names.Claim(stem + "-part" + std::to_string(part + 1) + "-" + mode_name, ".svg");
            const TDrawing drawing = DrawComponentPart(component.parts[part], mode, FContext,
                                                       entry.Name + ", " + caption);
            Write(fs::path(file), drawing.Svg);
            entry.Pictures.push_back({caption, file, drawing.ViewBox, {}});
        }
    }
    return entry;
}

TIndexLibrary TWorkspaceWriter::DrawLibrary(const qelsch::DocumentInfo& info,
                                            const qelsch::Document& document) {
    TIndexLibrary library;
    library.Anchor = FSheetAnchors[info.handle];
    library.Name = Utf8(document.name);
    return library;
}

TViewResult TWorkspaceWriter::Run(const std::vector<qelsch::SavedDocument>& saved) {
    FDocuments = FEditor.ListDocuments();
    NameSheets(saved);
    ReadReport();
    ListDifferences();
    IndexSheetContents();
    FIndex.Title = FOptions.Title.empty() ? FFolder.filename().string() : FOptions.Title;

    qelsch::UniqueFileNames libraryFolders;
    for (const qelsch::DocumentInfo& info : FDocuments) {
        const qelsch::Document* document = FEditor.FindDocument(info.handle);
        if (!document) continue;
        if (info.kind == qelsch::DocumentKind::Sheet) {
            FIndex.Sheets.push_back(DrawOneSheet(info, *document));
            continue;
        }
        TIndexLibrary library = DrawLibrary(info, *document);
        const std::string folder = std::string(kComponentsFolder) + "/" +
                                   libraryFolders.Claim(qelsch::SafeFileStem(library.Name), "");
        qelsch::UniqueFileNames names;
        for (SchHandle handle : document->components) {
            if (const qelsch::LibraryComponent* component = FEditor.FindComponent(handle))
                library.Components.push_back(DrawComponent(*component, folder, names));
        }
        FIndex.Libraries.push_back(std::move(library));
    }
    Write("index.html", IndexHtml(FIndex));
    return std::move(FResult);
}

}  // namespace

std::string TMissingPart::Describe() const {
    return (Designator.empty() ? std::string("?") : Designator) + " (" + LibReference + " part " +
           std::to_string(PartId) + ") on " + Document + " at " + PointText(At);
}

TViewResult SaveWorkspaceView(const qelsch::SchEditor& editor, const fs::path& folder,
                              const std::vector<qelsch::SavedDocument>& saved,
                              const TViewOptions& options) {
    TWorkspaceWriter writer(editor, folder, options);
    return writer.Run(saved);
}

}  // namespace view
