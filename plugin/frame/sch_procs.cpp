#include "frame/sch_procs.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <string>

namespace schapi {

TSchApiTable& Table() {
    static TSchApiTable table;
    return table;
}

void ResetTable() {
    Table() = TSchApiTable{};
}

}  // namespace schapi

namespace {

constexpr const char* kEditorModuleName = "QelSch.so";

// The editor module may have been loaded by a path; dlopen(name, RTLD_NOLOAD) only matches a
// bare name against the module's soname, so look for a loaded object of that file name too.
int FindLoadedByFileName(dl_phdr_info* info, size_t, void* data) {
    auto* path = static_cast<std::string*>(data);
    const char* name = info->dlpi_name;
    if (name == nullptr || *name == '\0') return 0;
    const char* slash = std::strrchr(name, '/');
    const char* base = slash ? slash + 1 : name;
    if (std::strcmp(base, kEditorModuleName) != 0) return 0;
    *path = name;
    return 1;
}

// A handle of the already loaded editor module, or null; never loads it.
void* LoadedEditorModule() {
    if (void* module = dlopen(kEditorModuleName, RTLD_NOW | RTLD_NOLOAD)) return module;
    std::string path;
    if (dl_iterate_phdr(FindLoadedByFileName, &path) == 0) return nullptr;
    return dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
}

// The handle of the last binding; kept open so the bound functions stay valid.
void* gEditorModule = nullptr;

}  // namespace

bool BindSchematicApi() {
    void* module = LoadedEditorModule();
    schapi::ResetTable();
    if (module != nullptr) {
        auto& table = schapi::Table();
#define ZORVAN_SCHAPI_BIND(ret, name, args) \
    table.name = reinterpret_cast<SchAPI_##name##_t>(dlsym(module, "SchAPI_" #name));
        ZORVAN_SCHAPI_FUNCTIONS(ZORVAN_SCHAPI_BIND)
#undef ZORVAN_SCHAPI_BIND
    }
    if (gEditorModule != nullptr) dlclose(gEditorModule);
    gEditorModule = module;
    return module != nullptr;
}

// Bind as soon as the module is loaded, before the host calls anything.
[[maybe_unused]] static const bool gBoundAtLoad = BindSchematicApi();
