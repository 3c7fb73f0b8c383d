#include "platform/dialogs_help.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>

namespace platform {
namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExecutableFolder() {
    char buffer[4096];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return std::string();
    return FolderOf(std::string(buffer, static_cast<size_t>(length)));
}

// The file name of the module this code is linked into (the plug-in, or a test program).
std::string OwnModuleFileName() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ModuleHelpFile), &info) == 0 || !info.dli_fname)
        return std::string();
    std::string path = info.dli_fname;
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ChangeExtension(const std::string& name, const std::string& extension) {
    size_t dot = name.find_last_of('.');
    size_t slash = name.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name + extension;
    return name.substr(0, dot) + extension;
}

}  // namespace

void THelpIndex::Load() {
    FLoaded = true;
    std::ifstream file(FPath);
    std::string line;
    while (std::getline(file, line)) {
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string key = Upper(Trim(line.substr(0, equals)));
        std::string value = Trim(line.substr(equals + 1));
        int32_t number = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (key.empty() || error != std::errc() || end != value.data() + value.size()) continue;
        FContexts.emplace(key, number);  // the first line of a key wins
    }
}

std::optional<int32_t> THelpIndex::Find(const std::string& key) {
    if (!FLoaded) Load();
    auto found = FContexts.find(Upper(key));
    if (found == FContexts.end()) return std::nullopt;
    return found->second;
}

std::string ModuleHelpFile() {
    return ExecutableFolder() + "Help/" + ChangeExtension(OwnModuleFileName(), ".hlp");
}

std::string MasterHelpFile() {
    return ExecutableFolder() + "Help/lvxmaster.hlp";
}

THelpRequest ResolveFormHelp(const std::string& formName, THelpIndex& index,
                             const std::string& moduleHelpFile, const std::string& masterHelpFile) {
    if (auto context = index.Find("Dlg_" + formName)) return {moduleHelpFile, *context, false};
    return {masterHelpFile, 1, true};
}

void ShowHelp(const THelpRequest& request) {
    std::fprintf(stderr, "Help: %s, %s %d\n", request.File.c_str(),
                 request.Popup ? "popup context" : "context", request.Context);
    std::fflush(stderr);
}

}  // namespace platform
