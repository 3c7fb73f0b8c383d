// The module's exported functions. Nothing else is visible outside the module, and no C++
// exception leaves through here: the host is not written to receive one.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "ClientAPI.h"
#include "frame/client_procs.h"
#include "frame/import_commands.h"
#include "frame/import_driver.h"
#include "frame/import_state.h"
#include "frame/module_setup.h"
#include "frame/parameters.h"
#include "frame/sch_procs.h"
#include "frame/server_module.h"

#define ZORVAN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

void ReportEscapedException(const char* where) noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "LoadZORVANSch: %s failed: %s\n", where, error.what());
    } catch (...) {
        std::fprintf(stderr, "LoadZORVANSch: %s failed\n", where);
    }
}

struct TFileParameters {
    std::string FileName;
    std::string FileType;
    bool Complete() const { return !FileName.empty() && !FileType.empty(); }
};

TFileParameters ReadFileParameters(const char* parameters) {
    TFileParameters read;
    GetParameter(parameters, "FileName", read.FileName);
    GetParameter(parameters, "FileType", read.FileType);
    return read;
}

}  // namespace

ZORVAN_EXPORT void ServerFactory(IServerModule** module, IClient* client) {
    try {
        SetUpModuleDialogs();
        auto server = std::make_unique<TLoadZORVANSchServerModule>(client);
        server->AddRef();
        if (module) *module = server.release();  // the host's reference frees it
    } catch (...) {
        ReportEscapedException("ServerFactory");
        if (module) *module = nullptr;
    }
}

ZORVAN_EXPORT uint8_t Nimbo15Validator(const char* parameters) {
    try {
        if (!parameters) return 0;
        const TFileParameters file = ReadFileParameters(parameters);
        if (!file.Complete() || !FileExists(file.FileName)) return 0;
        if (file.FileType == "LIB") return IsNimboLibraryFile(file.FileName) ? 1 : 0;
        if (file.FileType == "DSN") return IsNimboDesignFile(file.FileName) ? 1 : 0;
    } catch (...) {
        ReportEscapedException("Nimbo15Validator");
    }
    return 0;
}

ZORVAN_EXPORT int32_t Nimbo15Loader(int32_t /*reserved*/, const char* parameters) {
    TFileParameters file;
    try {
        BindSchematicApi();
        BindClientApi();
        RecordCurrentView();
        if (!parameters) return 0;
        file = ReadFileParameters(parameters);
        if (!file.Complete()) return 0;
        if (FileExists(file.FileName)) {
            // The report is named after the file this loader imports, not after an earlier
            // command's file.
            SetImportFileName(FileNamePart(file.FileName));
            if (file.FileType == "DSN") ImportNimboDesign(file.FileName);
            if (file.FileType == "LIB") ImportNimboLibrary(file.FileName);
        }
    } catch (...) {
        ReportEscapedException("Nimbo15Loader");
    }
    // The loader consumes the file it is given, whatever became of the import.
    if (file.Complete()) std::remove(file.FileName.c_str());
    return 0;
}
