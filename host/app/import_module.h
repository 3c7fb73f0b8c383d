// The import module, loaded with dlopen, and its three exports.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "ClientAPI.h"

namespace app {

class TImportModule {
  public:
    // Loads the module; null with the reason in `error` when it or an export is missing.
    // The schematic editor module must already be loaded: the module binds its functions by
    // name from the process when it is loaded.
    static std::unique_ptr<TImportModule> Load(const std::filesystem::path& path,
                                               std::string& error);
    explicit TImportModule(void* handle) : FHandle(handle) {}
    ~TImportModule();
    TImportModule(const TImportModule&) = delete;
    TImportModule& operator=(const TImportModule&) = delete;

    ServerFactory_t ServerFactory = nullptr;
    Nimbo15Validator_t Validator = nullptr;
    Nimbo15Loader_t Loader = nullptr;

  private:
    void* FHandle;  // dlopen's handle, closed by the destructor
};

// LoadZORVANSch.so in the folder of the running program.
std::filesystem::path DefaultModulePath();

}  // namespace app
