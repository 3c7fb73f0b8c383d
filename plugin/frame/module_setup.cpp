#include "frame/module_setup.h"

#include "frame/client_procs.h"
#include "platform/abort_poll.h"
#include "platform/dialogs_message_box.h"
#include "report/server_dialog.h"

void SetUpModuleDialogs() {
    platform::SetAbortQuestion([] { return platform::ConfirmYesNo("Confirm Abort"); });
    SetDialogOwnerSource([]() -> uint32_t {
        IClient* client = ModuleClient();
        return client ? client->GetMainWindowHandle() : 0;
    });
}

namespace {

[[maybe_unused]] const bool gDialogsSetUpAtLoad = (SetUpModuleDialogs(), true);

}  // namespace
