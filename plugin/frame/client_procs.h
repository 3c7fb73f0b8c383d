// The host client's flat functions (ClientAPI_*, VFSAPI_*), bound by name at run time in the
// process's main program, and the module-wide client interface.
//
// `BindClientApi` runs when the module is loaded and at each loader call. A function that is not
// found stays unbound: its forwarding function in namespace `clientapi` answers false or an
// empty text without calling.
#pragma once

#include <string>

#include "ClientAPI.h"

namespace clientapi {

// One pointer per client function, null while unbound.
struct TClientApiTable {
#define ZORVAN_CLIENTAPI_POINTER(ret, name, args) name##_t name = nullptr;
    ZORVAN_CLIENTAPI_FUNCTIONS(ZORVAN_CLIENTAPI_POINTER)
#undef ZORVAN_CLIENTAPI_POINTER
};

// The module-wide table. Tests install fake client functions here directly.
TClientApiTable& Table();
// Unbinds every function (tests; also the first step of every binding).
void ResetTable();

// The file exists.
bool ExistSpecific(const std::string& path);
// The name part of a path.
std::string ExtractFileNameFromPath(const std::string& path);
// The name with the given extension (without dot) in place of its own.
std::string ForceFileNameExtension(const std::string& name, const std::string& extension);
// The file exists in the host's file layer.
bool VfsFileExists(const std::string& path);
// The folder of a path, with its final separator.
std::string VfsExtractFilePath(const std::string& path);
// The name part of a path, as the host's file layer sees it.
std::string VfsExtractFileName(const std::string& path);
// Binds a text file to a path for writing; false when the host function is not bound.
bool VfsAssign(TVfsTextFile& file, const std::string& path);

}  // namespace clientapi

// Binds every ClientAPI_*/VFSAPI_* function of the main program; unbinds the rest. When
// ClientAPI_GetClientInterface is bound, the module-wide client becomes its answer. Returns
// whether the client interface was obtained.
bool BindClientApi();

// The module-wide host client, or null without a host. `ServerFactory` replaces it with the
// client it is given.
IClient* ModuleClient();
void SetModuleClient(IClient* client);

// Shows the report file in the host when the file exists: an open document of that path is
// reloaded, shown and, in the text editor, its cursor moved to the top; otherwise the host
// opens the file as a document of the kind it chooses and shows it. Nothing without a client.
void OpenReportInHost(const std::string& path);

namespace clientapi {
using ::OpenReportInHost;
}  // namespace clientapi
