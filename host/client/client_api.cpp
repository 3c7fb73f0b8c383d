// The flat functions that the main program exports for plug-ins (ClientAPI_*, VFSAPI_*), which
// bind them by name. They serve the client set with SetFlatApiClient. Out buffers hold
// kClientApiBufferSize bytes; a longer answer is cut there and always NUL-terminated.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "client.h"

namespace client {

namespace {

TClient* gFlatApiClient = nullptr;

void CopyOut(std::string_view text, char* out, size_t size) {
    if (!out || size == 0) return;
    size_t length = std::min(text.size(), size - 1);
    if (length > 0) std::memcpy(out, text.data(), length);  // an empty view may have no data
    out[length] = '\0';
}

std::string_view NamePart(std::string_view path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

}  // namespace

void SetFlatApiClient(TClient* client) {
    gFlatApiClient = client;
}
TClient* FlatApiClient() {
    return gFlatApiClient;
}

}  // namespace client

extern "C" {

bool ClientAPI_GetClientInterface(IClient** out) {
    if (!out) return false;
    *out = client::FlatApiClient();
    return *out != nullptr;
}

bool ClientAPI_ExistSpecific(const char* path) {
    return path && client::FlatApiClient() && client::FlatApiClient()->FileExists(path);
}

void ClientAPI_ExtractFileNameFromPath(const char* path, char* out) {
    client::CopyOut(path ? client::NamePart(path) : "", out, kClientApiBufferSize);
}

// The extension is the text from the name part's last '.'; `ext` comes without its dot, and an
// empty one removes the extension.
void ClientAPI_ForceFileNameExtension(const char* name, const char* ext, char* out) {
    std::string_view whole = name ? name : "";
    std::string_view base = client::NamePart(whole);
    size_t dot = base.find_last_of('.');
    std::string result(whole.substr(0, whole.size() - base.size()));
    result += base.substr(0, dot);
    if (ext && *ext) result += std::string(".") + ext;
    client::CopyOut(result, out, kClientApiBufferSize);
}

bool VFSAPI_VFS_FileExists(const char* path) {
    return ClientAPI_ExistSpecific(path);
}

void VFSAPI_VFS_ExtractFilePath(const char* path, char* out) {
    client::CopyOut(path ? client::FolderPart(path) : "", out, kClientApiBufferSize);
}

void VFSAPI_VFS_ExtractFileName(const char* path, char* out) {
    ClientAPI_ExtractFileNameFromPath(path, out);
}

void VFSAPI_VFSAssign(TVfsTextFile* file, const char* path) {
    if (!file) return;
    client::CopyOut(path ? path : "", file->path, sizeof file->path);
    if (client::FlatApiClient()) client::FlatApiClient()->RecordAssignedFile(file->path);
}

}  // extern "C"
