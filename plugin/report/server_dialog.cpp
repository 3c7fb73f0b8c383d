#include "report/server_dialog.h"

#include <memory>
#include <utility>

#include "platform/dialogs_help.h"
#include "platform/dialogs_message_box.h"

namespace {

std::function<uint32_t()>& OwnerSource() {
    static std::function<uint32_t()> source;
    return source;
}

}  // namespace

void SetDialogOwnerSource(std::function<uint32_t()> source) {
    OwnerSource() = std::move(source);
}

void PrepareServerDialog(platform::TDialogForm& form) {
    form.OwnerWindow = OwnerSource() ? OwnerSource()() : 0;
    form.Left = (platform::kScreenWidth - form.ClientWidth) / 2;
    form.Top = (platform::kScreenHeight - form.ClientHeight) / 2;
    // The index is loaded on the first F1 and kept while the dialog lives.
    auto index = std::make_shared<platform::THelpIndex>(std::string());
    form.OnHelp = [index](platform::TDialogForm& f) mutable {
        const std::string moduleHelp = platform::ModuleHelpFile();
        std::string indexPath = moduleHelp.substr(0, moduleHelp.size() - 4) + ".id";
        if (index->Path() != indexPath) index = std::make_shared<platform::THelpIndex>(indexPath);
        platform::ShowHelp(
            platform::ResolveFormHelp(f.Name, *index, moduleHelp, platform::MasterHelpFile()));
    };
}
