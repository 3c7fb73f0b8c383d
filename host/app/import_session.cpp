#include "import_session.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <string>
#include <system_error>

#include "client.h"
#include "code_page.h"
#include "connectivity_summary.h"
#include "editor.h"
#include "exit_codes.h"
#include "import_module.h"
#include "kicad_folder.h"
#include "report_counts.h"
#include "terminal_session.h"
#include "workspace_drawings.h"

namespace app {

namespace fs = std::filesystem;

namespace {

// A file the module can be given: it exists, is a regular file and can be read.
int CheckInputFile(const fs::path& file, std::ostream& err) {
    std::error_code error;
    fs::file_status status = fs::status(file, error);
    if (!fs::exists(status)) {
        err << "zorvan-import: " << file.string() << ": no such file\n";
        return kExitNoSuchFile;
    }
    if (fs::is_directory(status)) {
        err << "zorvan-import: " << file.string() << ": is a folder, not a file\n";
        return kExitUnreadable;
    }
    if (!fs::is_regular_file(status)) {
        err << "zorvan-import: " << file.string() << ": not a regular file\n";
        return kExitUnreadable;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << "zorvan-import: " << file.string() << ": cannot be read (" << std::strerror(errno)
            << ")\n";
        return kExitUnreadable;
    }
    // Parameter strings separate their values with '|' and trim blanks around them.
    std::string text = file.string();
    if (text.find('|') != std::string::npos || text.back() == ' ') {
        err << "zorvan-import: " << text
            << ": a path with '|' or a trailing blank cannot be passed to the import module; "
               "rename the file\n";
        return kExitBadOptions;
    }
    return kExitOk;
}

// Files of the format end their lines in CR LF; the reader takes a lone line feed where a token
// should start for an empty word, so a file whose first line ends in LF only fails validation.
bool FirstLineEndsInLineFeedOnly(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    return std::getline(in, line) && !in.eof() && (line.empty() || line.back() != '\r');
}

// A private folder in the system's temporary folder, removed with everything in it.
class TTemporaryFolder {
  public:
    TTemporaryFolder() {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "zorvan-import-XXXXXX").string();
        if (mkdtemp(pattern.data())) FPath = pattern;
    }
    ~TTemporaryFolder() {
        std::error_code error;
        if (!FPath.empty()) fs::remove_all(FPath, error);
    }
    TTemporaryFolder(const TTemporaryFolder&) = delete;
    TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;
    const fs::path& Path() const { return FPath; }

  private:
    fs::path FPath;
};

std::string FileType(const TOptions& options) {
    return options.Library ? "LIB" : "DSN";
}

// The exported loader deletes the file it is given: it gets a copy, under the same name.
bool ImportThroughLoader(TImportModule& module, const fs::path& file, const TOptions& options,
                         std::ostream& err) {
    TTemporaryFolder folder;
    std::error_code error;
    fs::path copy = folder.Path() / file.filename();
    if (folder.Path().empty() || !fs::copy_file(file, copy, error)) {
        err << "zorvan-import: cannot copy " << file.string() << " for the loader"
            << (error ? " (" + error.message() + ")" : std::string()) << "\n";
        return false;
    }
    std::string parameters = "FileName=" + copy.string() + "|FileType=" + FileType(options);
    module.Loader(0, parameters.c_str());
    return true;
}

bool ImportThroughCommand(IServerModule& server, client::TClient& host, const fs::path& file,
                          const TOptions& options, std::ostream& err) {
    ICommandLauncher* launcher = server.GetCommandLauncher();
    if (!launcher) {
        err << "zorvan-import: the import module offers no commands\n";
        return false;
    }
    std::string parameters = "FileName=" + file.string();
    const char* command = options.Library ? "LoadZORVANSchLib" : "LoadZORVANSchFile";
    launcher->LaunchCommand(command, parameters.c_str(), 0, host.GetCurrentView());
    return true;
}

void PrintSummary(const fs::path& file, const fs::path& workspace, client::TClient& host,
                  const qelsch::SaveResult& saved, const std::optional<TReportCounts>& counts,
                  qelsch::CodePage codePage, std::ostream& out) {
    std::map<SchHandle, fs::path> files;
    for (const qelsch::SavedDocument& document : saved.files)
        files[document.document] = document.file;
    out << file.string() << " -> " << workspace.string() << "/\n";
    size_t documents = 0;
    for (const auto& document : host.Documents()) {
        if (!document->IsSchematic()) continue;
        ++documents;
        size_t objects = host.Editor().CountObjects(document->EditorHandle());
        out << "  " << std::left << std::setw(7) << document->Kind() << std::setw(24)
            << qelsch::ToUtf8(document->Name(), codePage) << std::right << std::setw(7) << objects
            << " objects";
        if (auto found = files.find(document->EditorHandle()); found != files.end())
            out << "  " << found->second.filename().string();
        out << "\n";
    }
    if (documents == 0) out << "  no documents created\n";
    if (counts) {
        out << "  " << counts->Errors() << (counts->Errors() == 1 ? " error, " : " errors, ")
            << counts->Warnings() << (counts->Warnings() == 1 ? " warning" : " warnings") << "\n";
    }
    if (!host.LastAssignedFile().empty()) out << "  report: " << host.LastAssignedFile() << "\n";
}

}  // namespace

int RunImport(const TImportJob& job, std::ostream& out, std::ostream& err) {
    const TOptions& options = job.Options;
    if (int checked = CheckInputFile(job.File, err); checked != kExitOk) return checked;
    const fs::path file = fs::absolute(job.File).lexically_normal();
    const fs::path workspace = fs::absolute(job.Workspace).lexically_normal();

    qelsch::SchEditor& editor = qelsch::Editor();
    client::TClient host(editor, workspace);
    client::SetFlatApiClient(&host);
    host.OnShowText([&](const client::THostDocument& document) {
        if (!options.ViewReport) return;
        for (const std::string& line : document.Lines())
            out << qelsch::ToUtf8(line, options.CodePage) << "\n";
        out << std::flush;
    });

    std::error_code error;
    client::THostDocument* blank = nullptr;
    if (!options.ValidateOnly) {
        fs::create_directories(workspace, error);
        if (error || !fs::is_directory(workspace)) {
            err << "zorvan-import: cannot create the workspace " << workspace.string() << " ("
                << (error ? error.message() : "not a folder") << ")\n";
            return kExitHostFailure;
        }
        // The command runs in the active view, which must hold a document of the right kind.
        blank =
            host.CreateSchematicDocument(options.Library ? "SchLib" : "Sch", file.stem().string());
        host.ShowDocument(blank);
    }

    std::string loadError;
    std::unique_ptr<TImportModule> module =
        TImportModule::Load(options.Module ? *options.Module : DefaultModulePath(), loadError);
    if (!module) {
        err << "zorvan-import: " << loadError << "\n";
        return kExitHostFailure;
    }

    std::string validation = "FileName=" + file.string() + "|FileType=" + FileType(options);
    const bool valid = module->Validator(validation.c_str()) != 0;
    const char* kind = options.Library ? "library" : "design";
    if (options.ValidateOnly) {
        out << job.File.string() << ": " << (valid ? "a" : "not a") << " ZORVAN ASCII " << kind
            << " file that can be imported\n";
        return valid ? kExitOk : kExitNotValid;
    }

    IServerModule* server = nullptr;
    module->ServerFactory(&server, &host);
    bool ran = false;
    {
        TEscapeAsInterrupt escape;
        TReadProgress progress(file, isatty(STDERR_FILENO) != 0, err);
        if (options.Road == TImportRoad::Loader) {
            ran = ImportThroughLoader(*module, file, options, err);
        } else if (server) {
            ran = ImportThroughCommand(*server, host, file, options, err);
        } else {
            err << "zorvan-import: the import module created no server module\n";
        }
    }
    if (server) server->Release();
    if (!ran) return kExitHostFailure;

    // The blank document only gave the command its active view; the import opens its own.
    if (blank && editor.CountObjects(blank->EditorHandle()) == 0) host.CloseDocument(*blank);

    qelsch::SaveOptions saveOptions;
    saveOptions.codePage = options.CodePage;
    qelsch::SaveResult saved;
    if (!options.KicadOnly) saved = editor.SaveWorkspace(workspace, saveOptions);
    std::optional<TReportCounts> counts;
    if (!host.LastAssignedFile().empty()) counts = ReadReportCounts(host.LastAssignedFile());
    PrintSummary(job.File, job.Workspace, host, saved, counts, options.CodePage, out);

    for (const std::string& problem : saved.errors) err << "zorvan-import: " << problem << "\n";
    if (!saved.ok()) return kExitHostFailure;

    // Checked once: the summary line, connectivity.json and the page all show this result.
    std::optional<TConnectivityCheck> connectivity;
    if (valid && counts && !options.Library) connectivity = CheckImportedDesign(editor, file);
    if (!options.KicadOnly) {
        const TDrawingsInput drawings{workspace, saved, host.LastAssignedFile(),
                                      job.File.filename().string(),
                                      connectivity ? &*connectivity : nullptr};
        if (SaveDrawings(editor, drawings, options, out, err) != kExitOk) return kExitHostFailure;
    }
    if (!valid) {
        err << "zorvan-import: " << job.File.string() << ": not a ZORVAN ASCII " << kind
            << " file (the report says why)\n";
        if (FirstLineEndsInLineFeedOnly(file))
            err << "zorvan-import: its lines end in a line feed only; files of the format end "
                   "them in a carriage return and a line feed\n";
        return kExitNotThisFormat;
    }
    if (!counts) {
        err << "zorvan-import: the import module wrote no report\n";
        return kExitHostFailure;
    }
    const connectivity::THostNetlist* editorNets = connectivity ? &connectivity->HostNets : nullptr;
    if (WriteKicadFolder(editor, file, workspace, options, editorNets, out, err) != kExitOk)
        return kExitHostFailure;
    int connectivityCode = kExitOk;
    if (connectivity)
        connectivityCode = ReportConnectivity(*connectivity, file, workspace, options, out, err);
    if (connectivityCode == kExitHostFailure) return connectivityCode;
    if (counts->Errors() > 0) return kExitImportErrors;
    return connectivityCode;
}

}  // namespace app
