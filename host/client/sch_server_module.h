// The schematic editor as a server module of the client: the module through which plug-ins open
// new schematic and schematic library documents (GetServerModule("Sch")->CreateDocument).
#pragma once

#include <vector>

#include "ClientAPI.h"
#include "interface_object.h"

namespace client {

class TClient;

class TSchServerModule final : public TInterfacedObject<IServerModule> {
  public:
    explicit TSchServerModule(TClient& client) : FClient(client) {}

    void ApplicationIdle() override {}
    void Notify(IInterface*) override {}
    // Kind "Sch" or "SchLib" (any letter case): a new, empty editor document named Name; null
    // for any other kind.
    IHostDocument* CreateDocument(const char* kind, const char* name) override;
    void DestroyDocument(IHostDocument* document) override;
    IClient* GetClient() override;
    // The editor's commands travel through SchAPI_SendCommand: no launcher here.
    ICommandLauncher* GetCommandLauncher() override { return nullptr; }
    int32_t GetDocumentCount() override { return static_cast<int32_t>(FDocuments.size()); }
    IHostDocument* GetDocumentAt(int32_t index) override;
    uintptr_t GetInstanceHandle() override { return 0; }
    const char* GetModuleName() override { return "Sch"; }
    IProcessControl* GetProcessControl() override { return nullptr; }
    int32_t GetAuxCount() override { return 0; }
    IInterface* GetAuxItem(int32_t) override { return nullptr; }
    int32_t GetExtraValue() override { return 0; }

  private:
    TClient& FClient;
    std::vector<IHostDocument*> FDocuments;  // links; the client owns the documents
};

}  // namespace client
