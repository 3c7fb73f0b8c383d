#include "fake_host.h"

#include <sys/stat.h>

#include <cstring>

#include "frame/client_procs.h"

namespace {

TFakeHostState gState;

template <class I>
class TNoRef : public I {
  public:
    int32_t QueryInterface(const TGuid&, void** object) override {
        if (object) *object = nullptr;
        return -1;
    }
    int32_t AddRef() override { return 1; }
    int32_t Release() override { return 1; }
};

class TFakeDocument : public TNoRef<IHostDocument> {
  public:
    std::string GetFileName() override { return gState.DocumentFileName; }
    std::string GetKind() override { return gState.DocumentKind; }
    void Reload() override {}
    IEditorModule* GetEditorModule() override { return nullptr; }
    IHostView* GetView(int32_t) override { return nullptr; }
};

class TFakeView : public TNoRef<IHostView> {
  public:
    IHostDocument* GetDocument() override { return &FDocument; }

  private:
    TFakeDocument FDocument;
};

class TFakeClient : public TNoRef<IClient> {
  public:
    IHostView* GetCurrentView() override { return &FView; }
    uint32_t GetMainWindowHandle() override { return 77; }
    IServerModule* GetServerModule(const char*) override { return nullptr; }
    IHostDocument* FindOpenDocument(const char* path) override {
        gState.Found.push_back(path);
        return nullptr;
    }
    std::string GetDocumentKindOfFile(const char*) override { return "Text"; }
    IHostDocument* OpenDocument(const char*, const char* path) override {
        gState.Opened.push_back(path);
        return nullptr;
    }
    void ShowDocument(IHostDocument*) override {}

    TFakeView FView;
};

TFakeClient gClient;

bool IsFile(const char* path) {
    struct stat info {};
    return path && ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

std::string NamePart(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CopyOut(const std::string& text, char* out) {
    std::strncpy(out, text.c_str(), kClientApiBufferSize - 1);
    out[kClientApiBufferSize - 1] = '\0';
}

}  // namespace

TFakeHostState& FakeHost() {
    return gState;
}
void ResetFakeHost() {
    gState = TFakeHostState{};
}
IClient* FakeClient() {
    return &gClient;
}
IHostView* FakeView() {
    return &gClient.FView;
}

void BindFakeHost() {
    BindClientApi();
}

extern "C" {

__attribute__((visibility("default"))) bool ClientAPI_GetClientInterface(IClient** client) {
    *client = gState.HasClient ? &gClient : nullptr;
    return gState.HasClient;
}

__attribute__((visibility("default"))) bool ClientAPI_ExistSpecific(const char* path) {
    return IsFile(path);
}

__attribute__((visibility("default"))) void ClientAPI_ExtractFileNameFromPath(const char* path,
                                                                              char* out) {
    CopyOut(NamePart(path), out);
}

__attribute__((visibility("default"))) void ClientAPI_ForceFileNameExtension(const char* name,
                                                                             const char* ext,
                                                                             char* out) {
    std::string text = name;
    size_t dot = text.find_last_of('.');
    if (dot != std::string::npos && text.find('/', dot) == std::string::npos) text.resize(dot);
    CopyOut(text + "." + ext, out);
}

__attribute__((visibility("default"))) bool VFSAPI_VFS_FileExists(const char* path) {
    return IsFile(path);
}

__attribute__((visibility("default"))) void VFSAPI_VFS_ExtractFilePath(const char* path,
                                                                       char* out) {
    std::string text = path;
    size_t slash = text.find_last_of('/');
    CopyOut(slash == std::string::npos ? std::string() : text.substr(0, slash + 1), out);
}

__attribute__((visibility("default"))) void VFSAPI_VFS_ExtractFileName(const char* path,
                                                                       char* out) {
    CopyOut(NamePart(path), out);
}

__attribute__((visibility("default"))) void VFSAPI_VFSAssign(TVfsTextFile* file, const char* path) {
    std::strncpy(file->path, path, sizeof file->path - 1);
    file->path[sizeof file->path - 1] = '\0';
}

}  // extern "C"
