#include "frame/import_commands.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "frame/import_driver.h"
#include "frame/import_state.h"
#include "frame/parameters.h"
#include "frame/sch_procs.h"
#include "model/ascii_file.h"
#include "report/error_box.h"

namespace {

constexpr int32_t kDialogBufferSize = 4096;

struct TImportRoad {
    const char* DocumentKind;
    const char* WrongWindowText;
    const char* Extension;
    bool (*Ask)(std::string& fileName);
    bool (*Import)(const std::string& fileName);
};

const TImportRoad kDesignRoad{"SCH",
                              "Schematic window should be active, in order to run this process!",
                              ".SCH", AskSchematicFileName, ImportNimboDesign};
const TImportRoad kLibraryRoad{
    "SCHLIB", "Schematic Library window should be active, in order to run this process!", ".LIA",
    AskSchematicLibraryFileName, ImportNimboLibrary};

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string ActiveDocumentKind(IHostView* context) {
    if (!context) return std::string();
    IHostDocument* document = context->GetDocument();
    return document ? document->GetKind() : std::string();
}

bool AskFileName(const char* request, std::string& fileName) {
    std::vector<char> buffer(kDialogBufferSize, '\0');
    std::string text = std::string(request) + fileName;
    std::copy_n(text.begin(), std::min<size_t>(text.size(), buffer.size() - 1), buffer.begin());
    schapi::SendCommand("Client:RunCommonDialog", buffer.data(), kDialogBufferSize, 0);
    buffer.back() = '\0';  // whatever the host wrote, the answer ends inside the buffer
    std::string result;
    if (!GetParameter(buffer.data(), "Result", result) || result != "True") return false;
    GetParameter(buffer.data(), "Path", fileName);
    return true;
}

void RunImportCommand(IHostView* context, const char* parameters, const TImportRoad& road) {
    if (Upper(ActiveDocumentKind(context)) != road.DocumentKind) {
        ShowErrorBox(road.WrongWindowText);
        return;
    }
    std::string fileName;
    GetParameter(parameters, "FileName", fileName);
    if (fileName.empty() || Upper(FileNameExtension(fileName)) != road.Extension)
        road.Ask(fileName);
    if (!FileExists(fileName)) return;
    RecordCurrentView();
    SetImportFileName(FileNamePart(fileName));
    road.Import(fileName);
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FileNamePart(const std::string& path) {
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool AskSchematicFileName(std::string& fileName) {
    return AskFileName(kDesignDialogRequest, fileName);
}

bool AskSchematicLibraryFileName(std::string& fileName) {
    return AskFileName(kLibraryDialogRequest, fileName);
}

void LoadSchFileCommand(IHostView* context, const char* parameters) {
    RunImportCommand(context, parameters, kDesignRoad);
}

void LoadSchLibCommand(IHostView* context, const char* parameters) {
    RunImportCommand(context, parameters, kLibraryRoad);
}
