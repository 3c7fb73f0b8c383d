#include "report/report_manager.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

#include "frame/client_procs.h"
#include "frame/import_state.h"
#include "frame/sch_procs.h"
#include "host/sch_objects.h"
#include "platform/dialog_driver.h"
#include "report/translation_status.h"

namespace {

constexpr size_t kShortStringLength = 255;

const char* const kIOErrorLine = "ERROR: A General IO Error has occured with the file";
const char* const kUnsupportedVersionLine =
    "Unsupported file version. Please try to import ZORVAN files in ASCII format!";

std::string Cut(std::string text) {
    if (text.size() > kShortStringLength) text.resize(kShortStringLength);
    return text;
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
    int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}

// Local date and time: "YYYY-MM-DD" and "HH:MM:SS".
std::pair<std::string, std::string> NowText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16], time[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return {date, time};
}

void AddNumberedWarning(TReportList& list, int32_t& count, const std::string& msg,
                        uint32_t hostObject, const TReportManager& report) {
    // The counter cannot realistically overflow; stop at the top rather than wrap.
    if (count < INT32_MAX) ++count;
    std::string line = Cut(Format("     %3d. %s", count, msg.c_str()));
    report.AppendObjectLocation(line, hostObject);
    list.push_back({line, 0});
}

void AppendSection(std::vector<std::string>& lines, const char* heading, int32_t count,
                   const TReportList& list, uint8_t threshold) {
    if (count <= 0) return;
    lines.emplace_back();
    lines.push_back(heading + std::to_string(count));
    for (const auto& entry : list)
        if (entry.Level <= threshold) lines.push_back(entry.Text);
}

void AppendEvents(std::vector<std::string>& lines, const char* heading, const TReportList& list,
                  uint8_t threshold) {
    lines.emplace_back();
    if (threshold > 0) lines.push_back(heading);
    for (const auto& entry : list)
        if (entry.Level <= threshold) lines.push_back(entry.Text);
}

// The file name of the document in the host's current view, asked afresh.
std::string CurrentDocumentFileName() {
    IClient* client = ModuleClient();
    if (!client) return std::string();
    IHostView* view = client->GetCurrentView();
    if (!view) return std::string();
    IHostDocument* document = view->GetDocument();
    return document ? document->GetFileName() : std::string();
}

void PrintReport(const std::string& fileName) {
    std::ifstream report(fileName, std::ios::binary);
    if (!report) return;
    std::cout << report.rdbuf();
    std::cout.flush();
}

}  // namespace

void TReportManager::SetSourceFileName(const std::string& fileName) {
    FSourceFileName = Cut(fileName);
}

void TReportManager::AddLoadError(TLoadErrorKind kind, int32_t code) {
    if (LoadErrorCount < INT32_MAX) ++LoadErrorCount;
    switch (kind) {
        case leIOError:
            AddIOError(code);
            break;
        case leNoFileKeyword:
            break;
        case leUnsupportedVersion:
            LoadErrors.push_back({kUnsupportedVersionLine, 1});
            break;
    }
}

void TReportManager::AddIOError(int32_t /*code*/) {
    LoadErrors.push_back({kIOErrorLine, 1});
}

void TReportManager::AddLoadWarning(const std::string& msg, uint32_t hostObject) {
    AddNumberedWarning(LoadWarnings, LoadWarningCount, msg, hostObject, *this);
}

void TReportManager::AddImportWarning(const std::string& msg, uint32_t hostObject) {
    AddNumberedWarning(ImportWarnings, ImportWarningCount, msg, hostObject, *this);
}

void TReportManager::AppendObjectLocation(std::string& line, uint32_t hostObject) const {
    if (hostObject == 0) return;
    switch (schapi::GetObjectIdFromObjectHandle(hostObject)) {
        case kSchKindBusEntry: {
            TSchBusEntry entry(hostObject);
            entry.Query(qmRead);
            line += Format("\r\n          Bus Entry: (%d, %d) (%d, %d)", entry.FLocation.X,
                           entry.FLocation.Y, entry.FCorner.X, entry.FCorner.Y);
            break;
        }
        case kSchKindNetLabel: {
            TSchNetLabel label(hostObject);
            label.Query(qmRead);
            line += Format("\r\n          Net label : %s (%d, %d)", label.FText.Get().c_str(),
                           label.FLocation.X, label.FLocation.Y);
            break;
        }
        case kSchKindPort: {
            TSchPort port(hostObject);
            port.Query(qmRead);
            line += Format("\r\n          Port : %s (%d, %d)", port.FName.Get().c_str(),
                           port.FLocation.X, port.FLocation.Y);
            break;
        }
        default:
            return;
    }
    line = Cut(std::move(line));
}

std::vector<std::string> TReportManager::ReportLines() const {
    const auto [date, time] = NowText();
    std::vector<std::string> lines;
    lines.push_back("Helmar Design System: ZORVAN 4/5 ASCII To Helmar 7 Translator Report");
    lines.push_back("SCH File : " + clientapi::ExtractFileNameFromPath(FSourceFileName));
    lines.push_back("Date     : " + date);
    lines.push_back("Time     : " + time);
    lines.emplace_back();
    AppendSection(lines, "Load Errors : ", LoadErrorCount, LoadErrors, LoadErrorLevel);
    AppendSection(lines, "Import Errors : ", ImportErrorCount, ImportErrors, ImportErrorLevel);
    AppendSection(lines, "Load Warnings : ", LoadWarningCount, LoadWarnings, LoadWarningLevel);
    AppendSection(lines, "Import Warnings : ", ImportWarningCount, ImportWarnings,
                  ImportWarningLevel);
    AppendEvents(lines, "Load Event List :", LoadEvents, LoadEventLevel);
    AppendEvents(lines, "Import Event List :", ImportEvents, ImportEventLevel);
    return lines;
}

bool TReportManager::OpenReportFile(std::ofstream& file) {
    std::string path = Cut(CurrentDocumentFileName());
    // Beside the current document when it is on disk. A document never saved has no folder of
    // its own on disk: its name glued to the report's name would land in whatever folder the
    // host runs in, so the report goes beside the imported file instead.
    path = clientapi::VfsExtractFilePath(clientapi::VfsFileExists(path) ? path : FSourceFileName);
    std::string name = clientapi::VfsExtractFileName(GetImportFileName());
    name = clientapi::ForceFileNameExtension(name, "rpt");
    ReportFileName = Cut(path + name);

    TVfsTextFile bound{};
    clientapi::VfsAssign(bound, ReportFileName);
    FWrittenPath.assign(bound.path, strnlen(bound.path, sizeof bound.path));
    if (FWrittenPath.empty()) return false;
    file.open(FWrittenPath, std::ios::binary | std::ios::trunc);
    return file.is_open();
}

void TReportManager::WriteReport() {
    if (LoadErrorLevel == 0 && LoadWarningLevel == 0 && LoadEventLevel == 0 &&
        ImportErrorLevel == 0 && ImportWarningLevel == 0 && ImportEventLevel == 0)
        return;
    std::ofstream file;
    if (OpenReportFile(file)) {
        for (const auto& line : ReportLines()) file << line << "\r\n";
        file.close();
    }
    if (LoadErrorCount <= 0 && LoadWarningCount <= 0 && ImportErrorCount <= 0 &&
        ImportWarningCount <= 0)
        return;

    TTranslationStatus status;
    status.CheckBoxViewReport().Checked = true;
    status.LabelStatus().Caption = (LoadErrorCount > 0 || ImportErrorCount > 0)
                                       ? "Errors occured during translation"
                                       : "Translation Complete, Warnings Found";
    if (status.ShowModal() == platform::mrOk && status.CheckBoxViewReport().Checked) {
        clientapi::OpenReportInHost(ReportFileName);
        if (platform::PrintReportOnView()) PrintReport(FWrittenPath);
    }
}
