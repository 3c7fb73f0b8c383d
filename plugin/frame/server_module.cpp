#include "frame/server_module.h"

#include <dlfcn.h>

#include <algorithm>

#include "frame/client_procs.h"
#include "frame/import_commands.h"

namespace {

IServerModule* gModuleServer = nullptr;

}  // namespace

IServerModule* ModuleServer() {
    return gModuleServer;
}

TServerModule::TServerModule(IClient* client, const std::string& moduleName) {
    SetModuleClient(client);
    gModuleServer = this;
    FClient = client;
    // Construction runs the base's CreateCommandLauncher and AfterCreate: a subclass that
    // needs its own does its work in its constructor.
    FCommandLauncher = TServerModule::CreateCommandLauncher();
    FProcessControl = std::make_unique<TProcessControl>();
    FModuleName = moduleName;
    TServerModule::AfterCreate();
}

TServerModule::~TServerModule() {
    FAuxItems.clear();
    FCommandLauncher.reset();
    FDocuments.clear();
    FProcessControl.reset();
    if (gModuleServer == this) gModuleServer = nullptr;
}

std::unique_ptr<TCommandLauncher> TServerModule::CreateCommandLauncher() {
    return std::make_unique<TCommandLauncher>();
}

int32_t TServerModule::QueryInterface(const TGuid& /*iid*/, void** object) {
    if (object) *object = nullptr;
    return TInterfacedObjectNoRef<IProcessControl>::kNoInterface;
}

int32_t TServerModule::AddRef() {
    return ++FRefCount;
}

int32_t TServerModule::Release() {
    int32_t count = --FRefCount;
    // The host owns the module through its references.
    if (count == 0) delete this;
    return count;
}

IHostDocument* TServerModule::CreateDocument(const char* kind, const char* name) {
    IHostDocument* document = NewDocument(kind, name);
    if (document) FDocuments.push_back(document);
    return document;
}

void TServerModule::DestroyDocument(IHostDocument* document) {
    auto found = std::find(FDocuments.begin(), FDocuments.end(), document);
    if (found != FDocuments.end()) FDocuments.erase(found);
}

IHostDocument* TServerModule::GetDocumentAt(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= FDocuments.size()) return nullptr;
    return FDocuments[static_cast<size_t>(index)];
}

IInterface* TServerModule::GetAuxItem(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= FAuxItems.size()) return nullptr;
    return FAuxItems[static_cast<size_t>(index)];
}

uintptr_t TServerModule::GetInstanceHandle() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ModuleServer), &info) == 0) return 0;
    return reinterpret_cast<uintptr_t>(info.dli_fbase);
}

TLoadZORVANSchServerModule::TLoadZORVANSchServerModule(IClient* client)
    : TServerModule(client, kModuleName) {
    Launcher().AddCommand("LoadZORVANSchLib", LoadSchLibCommand, nullptr);
    Launcher().AddCommand("LoadZORVANSchFile", LoadSchFileCommand, nullptr);
}
