#include "frame/command_launcher.h"

#include <cstdio>
#include <exception>

namespace {

std::string Upper(const char* text) {
    std::string upper = text ? text : "";
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

}  // namespace

void TCommandLauncher::AddCommand(const std::string& name, TCommandProc command,
                                  TCommandStateProc state) {
    FCommands.emplace(Upper(name.c_str()), TCommandHandler{command, state});
}

const TCommandHandler* TCommandLauncher::FindCommand(const char* name) const {
    auto found = FCommands.find(Upper(name));
    return found == FCommands.end() ? nullptr : &found->second;
}

int32_t TCommandLauncher::LaunchCommand(const char* name, const char* parameters,
                                        int32_t /*unused*/, IHostView* context) {
    const TCommandHandler* handler = FindCommand(name);
    if (!handler || !handler->CommandProc) return 0;
    // The host's call must not see an exception of the module.
    try {
        handler->CommandProc(context, parameters);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "LoadZORVANSch: command %s failed: %s\n", name, error.what());
    } catch (...) {
        std::fprintf(stderr, "LoadZORVANSch: command %s failed\n", name);
    }
    return 1;
}

void TCommandLauncher::GetCommandState(const char* name, int32_t a, IHostView* context,
                                       int32_t* enabled, int32_t* checked, int32_t* visible,
                                       char* caption, char* imageFile) {
    if (enabled) *enabled = -1;
    if (checked) *checked = 0;
    if (visible) *visible = -1;
    if (caption) caption[0] = '\0';
    if (imageFile) imageFile[0] = '\0';
    const TCommandHandler* handler = FindCommand(name);
    if (!handler || !handler->StateProc) return;
    try {
        handler->StateProc(context, a, enabled, checked, visible, caption, imageFile);
    } catch (...) {
        // The defaults stand.
    }
}
