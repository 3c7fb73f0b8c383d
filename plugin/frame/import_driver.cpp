#include "frame/import_driver.h"

#include <fstream>
#include <memory>

#include "frame/client_procs.h"
#include "model/ascii_file.h"
#include "platform/abort_poll.h"
#include "platform/dialog_driver.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "report/report_manager.h"

namespace {

constexpr size_t kShortStringLength = 255;

enum class TFileKind { Design, Library };

bool IsNimboFile(const std::string& fileName, TFileKind kind) {
    if (!HasNimboHeaderLine(fileName)) return false;
    // A file that passed the first-line test but cannot be read as tokens is not importable.
    try {
        TNimboParser parser(fileName);
        RegisterKeywords(parser);
        TNimboAsciiFile file(&parser, fileName);
        return kind == TFileKind::Design ? file.IsDesign() : file.IsLibrary();
    } catch (...) {
        return false;
    }
}

bool ImportNimbo(const std::string& fileName, TFileKind kind) {
    bool ok = IsNimboFile(fileName, kind);
    TReportManager report;
    report.SetSourceFileName(fileName);
    if (ok)
        ok = ImportNimboFile(fileName, report);
    else
        report.AddLoadError(leUnsupportedVersion, 0);
    report.WriteReport();
    return ok;
}

}  // namespace

bool HasNimboHeaderLine(const std::string& fileName) {
    if (!clientapi::ExistSpecific(fileName)) return false;
    std::ifstream file(fileName, std::ios::binary);
    std::string line;
    char c = 0;
    while (line.size() < kShortStringLength && file.get(c) && c != '\r' && c != '\n') line += c;
    for (char& ch : line)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return line.find("NIMBO_ASCII") != std::string::npos;
}

bool IsNimboDesignFile(const std::string& fileName) {
    return IsNimboFile(fileName, TFileKind::Design);
}

bool IsNimboLibraryFile(const std::string& fileName) {
    return IsNimboFile(fileName, TFileKind::Library);
}

bool ImportNimboFile(const std::string& fileName, TReportManager& report) {
    // Declared first so that it is freed last: the tree reads through it until it goes.
    std::unique_ptr<TNimboParser> parser;
    std::unique_ptr<TNimboAsciiFile> file;
    try {
        // On a terminal Ctrl-C asks "Confirm Abort" instead of ending the host.
        std::unique_ptr<platform::TAbortSignalGuard> abortGuard;
        if (platform::DialogMode() == platform::TDialogMode::Terminal)
            abortGuard = std::make_unique<platform::TAbortSignalGuard>();
        parser = std::make_unique<TNimboParser>(fileName);
        RegisterKeywords(*parser);
        file = std::make_unique<TNimboAsciiFile>(parser.get(), fileName);
        file->FReport = &report;
        file->FSchematicUnits = true;
        file->Parse();
    } catch (...) {
        // A read that failed half way leaves a tree not worth translating; the host must not
        // see the exception.
        report.AddLoadError(leIOError, 0);
        return false;
    }
    try {
        file->Translate();
    } catch (...) {
        return false;
    }
    return true;
}

bool ImportNimboDesign(const std::string& fileName) {
    return ImportNimbo(fileName, TFileKind::Design);
}

bool ImportNimboLibrary(const std::string& fileName) {
    return ImportNimbo(fileName, TFileKind::Library);
}
