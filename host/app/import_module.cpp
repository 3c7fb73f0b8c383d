#include "import_module.h"

#include <dlfcn.h>

#include <system_error>

namespace app {

std::unique_ptr<TImportModule> TImportModule::Load(const std::filesystem::path& path,
                                                   std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + path.string();
        return nullptr;
    }
    auto module = std::make_unique<TImportModule>(handle);
    module->ServerFactory = reinterpret_cast<ServerFactory_t>(dlsym(handle, "ServerFactory"));
    module->Validator = reinterpret_cast<Nimbo15Validator_t>(dlsym(handle, "Nimbo15Validator"));
    module->Loader = reinterpret_cast<Nimbo15Loader_t>(dlsym(handle, "Nimbo15Loader"));
    if (!module->ServerFactory || !module->Validator || !module->Loader) {
        error = path.string() + " lacks ServerFactory, Nimbo15Validator or Nimbo15Loader";
        return nullptr;
    }
    return module;
}

TImportModule::~TImportModule() {
    dlclose(FHandle);
}

std::filesystem::path DefaultModulePath() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path() : self.parent_path()) / "LoadZORVANSch.so";
}

}  // namespace app
