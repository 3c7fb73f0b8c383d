// The module as the host sees it: the server module object that ServerFactory creates, with
// its command launcher, process control and the documents it created.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ClientAPI.h"
#include "frame/command_launcher.h"
#include "frame/process_control.h"

class TServerModule : public IServerModule {
  public:
    // Makes Client the module-wide client and this module the module-wide server module.
    TServerModule(IClient* client, const std::string& moduleName);
    virtual ~TServerModule();
    TServerModule(const TServerModule&) = delete;
    TServerModule& operator=(const TServerModule&) = delete;

    // Reference counted: the host holds the module through its interface; the last Release
    // frees it. Answers no interface identifier (only the host knows them).
    int32_t QueryInterface(const TGuid& iid, void** object) override;
    int32_t AddRef() override;
    int32_t Release() override;

    // This platform has no message queue of the module's own: nothing to post or process.
    void ApplicationIdle() override {}
    void Notify(IInterface* /*notification*/) override {}
    // Passes both to NewDocument; a document that comes back is kept and returned.
    IHostDocument* CreateDocument(const char* kind, const char* name) override;
    void DestroyDocument(IHostDocument* document) override;
    IClient* GetClient() override { return FClient; }
    ICommandLauncher* GetCommandLauncher() override { return FCommandLauncher.get(); }
    int32_t GetDocumentCount() override { return static_cast<int32_t>(FDocuments.size()); }
    // Null for an index out of range.
    IHostDocument* GetDocumentAt(int32_t index) override;
    uintptr_t GetInstanceHandle() override;
    const char* GetModuleName() override { return FModuleName.c_str(); }
    IProcessControl* GetProcessControl() override { return FProcessControl.get(); }
    int32_t GetAuxCount() override { return static_cast<int32_t>(FAuxItems.size()); }
    IInterface* GetAuxItem(int32_t index) override;
    int32_t GetExtraValue() override { return 0; }

    virtual IHostDocument* NewDocument(const char* kind, const char* name) = 0;
    virtual void AfterCreate() {}
    virtual std::unique_ptr<TCommandLauncher> CreateCommandLauncher();

    TCommandLauncher& Launcher() { return *FCommandLauncher; }

  protected:
    IClient* FClient = nullptr;
    std::vector<IHostDocument*> FDocuments;
    std::string FModuleName;
    std::vector<IInterface*> FAuxItems;  // the host may enumerate it; never filled here
    std::unique_ptr<TCommandLauncher> FCommandLauncher;
    std::unique_ptr<TProcessControl> FProcessControl;

  private:
    int32_t FRefCount = 0;
};

// The import module "LoadZORVANSch" with its two commands; it opens no documents of its own.
class TLoadZORVANSchServerModule : public TServerModule {
  public:
    explicit TLoadZORVANSchServerModule(IClient* client);
    IHostDocument* NewDocument(const char* /*kind*/, const char* /*name*/) override {
        return nullptr;
    }
};

inline constexpr const char* kModuleName = "LoadZORVANSch";

// The current server module, or null when none exists.
IServerModule* ModuleServer();
