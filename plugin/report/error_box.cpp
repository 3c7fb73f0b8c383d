#include "report/error_box.h"

#include "platform/dialogs_message_box.h"

void ShowErrorBox(const std::string& text) {
    using namespace platform;
    MessageBoxEx(text, "Lumivex Error", TMsgDlgType::mtError, Buttons({mbOK}), "", -1, -1, -1);
}
