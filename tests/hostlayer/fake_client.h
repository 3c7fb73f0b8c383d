// A stand-in for the host client: records what the module asks of it.
#pragma once

#include <string>
#include <vector>

#include "ClientAPI.h"

template <class TInterface>
class TFakeInterface : public TInterface {
  public:
    int32_t QueryInterface(const TGuid&, void**) override { return -1; }
    int32_t AddRef() override { return 1; }
    int32_t Release() override { return 1; }
};

class TFakeEditorModule : public TFakeInterface<IEditorModule> {
  public:
    explicit TFakeEditorModule(std::vector<std::string>& log) : FLog(log) {}
    std::string GetModuleName() override { return Name; }
    int32_t RunProcess(IHostView* view, const char* process, int32_t a, int32_t b) override;

    std::string Name = "TEXTEDIT";
    IHostView* ExpectedView = nullptr;

  private:
    std::vector<std::string>& FLog;
};

class TFakeDocument : public TFakeInterface<IHostDocument> {
  public:
    TFakeDocument(std::vector<std::string>& log, std::string path);
    std::string GetFileName() override { return FPath; }
    std::string GetKind() override { return "Text"; }
    void Reload() override { FLog.push_back("Reload " + FPath); }
    IEditorModule* GetEditorModule() override { return &Editor; }
    IHostView* GetView(int32_t index) override { return index == 0 ? &FView : nullptr; }

    TFakeEditorModule Editor;

  private:
    class TView : public TFakeInterface<IHostView> {
      public:
        explicit TView(IHostDocument* document) : FDocument(document) {}
        IHostDocument* GetDocument() override { return FDocument; }

      private:
        IHostDocument* FDocument;
    };

    std::vector<std::string>& FLog;
    std::string FPath;
    TView FView{this};
};

class TFakeClient : public TFakeInterface<IClient> {
  public:
    IHostView* GetCurrentView() override { return nullptr; }
    uint32_t GetMainWindowHandle() override { return 0; }
    IServerModule* GetServerModule(const char*) override { return nullptr; }
    IHostDocument* FindOpenDocument(const char* path) override;
    std::string GetDocumentKindOfFile(const char*) override { return "Text"; }
    IHostDocument* OpenDocument(const char* kind, const char* path) override;
    void ShowDocument(IHostDocument* document) override;

    std::vector<std::string> Log;
    // The document already open, and whether OpenDocument succeeds.
    TFakeDocument* Open = nullptr;
    bool CanOpen = true;
    TFakeDocument Opened{Log, "opened"};
};
