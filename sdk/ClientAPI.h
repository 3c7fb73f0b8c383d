// The host client's side of the plug-in contract: the interfaces through which the host and a
// plug-in server module talk, and the flat functions that the host's main program exports.
//
// Interfaces are abstract C++ classes shared by the host and its plug-ins, which are built with
// the same compiler and standard library. Every interface starts with the three basic
// operations (query interface, add reference, release). Texts go in as NUL-terminated strings
// and come out as std::string.
#pragma once

#include <cstdint>
#include <string>

struct TGuid {
    uint32_t d1;
    uint16_t d2;
    uint16_t d3;
    uint8_t d4[8];
};

class IInterface {
public:
    virtual int32_t QueryInterface(const TGuid& iid, void** object) = 0;
    virtual int32_t AddRef() = 0;
    virtual int32_t Release() = 0;

protected:
    ~IInterface() = default;
};

class IHostView;
class IHostDocument;
class IServerModule;

// The editing module behind a document: a name, and a runner of named processes on a view.
class IEditorModule : public IInterface {
public:
    virtual std::string GetModuleName() = 0;
    // Runs "Module:Process" on View with two further arguments.
    virtual int32_t RunProcess(IHostView* view, const char* process, int32_t a, int32_t b) = 0;

protected:
    ~IEditorModule() = default;
};

class IHostDocument : public IInterface {
public:
    virtual std::string GetFileName() = 0;
    virtual std::string GetKind() = 0;  // "Sch", "SchLib", "Text", ...
    virtual void Reload() = 0;
    virtual IEditorModule* GetEditorModule() = 0;
    virtual IHostView* GetView(int32_t index) = 0;

protected:
    ~IHostDocument() = default;
};

class IHostView : public IInterface {
public:
    virtual IHostDocument* GetDocument() = 0;

protected:
    ~IHostView() = default;
};

class IClient : public IInterface {
public:
    virtual IHostView* GetCurrentView() = 0;
    virtual uint32_t GetMainWindowHandle() = 0;
    virtual IServerModule* GetServerModule(const char* moduleName) = 0;
    virtual IHostDocument* FindOpenDocument(const char* path) = 0;
    virtual std::string GetDocumentKindOfFile(const char* path) = 0;
    virtual IHostDocument* OpenDocument(const char* kind, const char* path) = 0;
    virtual void ShowDocument(IHostDocument* document) = 0;

protected:
    ~IClient() = default;
};

class ICommandLauncher : public IInterface {
public:
    // Runs the named command (any letter case) with a parameter string; 0 when unknown.
    virtual int32_t LaunchCommand(const char* name, const char* parameters, int32_t unused,
                                  IHostView* context) = 0;
    // The five outputs start as -1, 0, -1, "", "" (text buffers of 256 bytes).
    virtual void GetCommandState(const char* name, int32_t a, IHostView* context,
                                 int32_t* enabled, int32_t* checked, int32_t* visible,
                                 char* caption, char* imageFile) = 0;

protected:
    ~ICommandLauncher() = default;
};

class IProcessControl : public IInterface {
public:
    virtual int32_t GetProcessDepth() = 0;
    virtual int32_t DecProcessDepth(IInterface* caller, int32_t value) = 0;
    virtual int32_t IncProcessDepth(IInterface* caller, int32_t value) = 0;
    virtual void SetProcessDepth(int32_t value) = 0;

protected:
    ~IProcessControl() = default;
};

class IServerModule : public IInterface {
public:
    virtual void ApplicationIdle() = 0;
    virtual void Notify(IInterface* notification) = 0;
    virtual IHostDocument* CreateDocument(const char* kind, const char* name) = 0;
    virtual void DestroyDocument(IHostDocument* document) = 0;
    virtual IClient* GetClient() = 0;
    virtual ICommandLauncher* GetCommandLauncher() = 0;
    virtual int32_t GetDocumentCount() = 0;
    virtual IHostDocument* GetDocumentAt(int32_t index) = 0;
    virtual uintptr_t GetInstanceHandle() = 0;
    virtual const char* GetModuleName() = 0;
    virtual IProcessControl* GetProcessControl() = 0;
    virtual int32_t GetAuxCount() = 0;
    virtual IInterface* GetAuxItem(int32_t index) = 0;
    virtual int32_t GetExtraValue() = 0;

protected:
    ~IServerModule() = default;
};

extern "C" {

// The text file that VFSAPI_VFSAssign binds to a path for writing: the host fills `path`.
struct TVfsTextFile {
    char path[4096];
};

// Output buffers of the flat functions hold 4096 bytes.
enum : int32_t { kClientApiBufferSize = 4096 };

#define ZORVAN_CLIENTAPI_FUNCTIONS(X)                                                        \
    X(bool, ClientAPI_GetClientInterface, (IClient * *client))                               \
    X(bool, ClientAPI_ExistSpecific, (const char* path))                                     \
    X(void, ClientAPI_ExtractFileNameFromPath, (const char* path, char* out))                \
    X(void, ClientAPI_ForceFileNameExtension, (const char* name, const char* ext, char* out)) \
    X(bool, VFSAPI_VFS_FileExists, (const char* path))                                       \
    X(void, VFSAPI_VFS_ExtractFilePath, (const char* path, char* out))                       \
    X(void, VFSAPI_VFS_ExtractFileName, (const char* path, char* out))                       \
    X(void, VFSAPI_VFSAssign, (TVfsTextFile * file, const char* path))

#define ZORVAN_CLIENTAPI_DECLARE(ret, name, args) \
    ret name args;                                \
    typedef ret(*name##_t) args;
ZORVAN_CLIENTAPI_FUNCTIONS(ZORVAN_CLIENTAPI_DECLARE)
#undef ZORVAN_CLIENTAPI_DECLARE

// The plug-in's exports.
void ServerFactory(IServerModule** module, IClient* client);
uint8_t Nimbo15Validator(const char* parameters);
int32_t Nimbo15Loader(int32_t reserved, const char* parameters);
typedef void (*ServerFactory_t)(IServerModule** module, IClient* client);
typedef uint8_t (*Nimbo15Validator_t)(const char* parameters);
typedef int32_t (*Nimbo15Loader_t)(int32_t reserved, const char* parameters);

}  // extern "C"
