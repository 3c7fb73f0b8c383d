// The terminal driver of the dialogs: a text box drawn on standard error, keys read from the
// controlling terminal in raw mode.
#pragma once

#include "platform/dialog_form.h"

namespace platform {

// True when standard input and standard error are a terminal and /dev/tty can be opened.
bool TerminalAvailable();

// Shows Form until a key closes it. False when the terminal cannot be used (the form is then
// left as it was, for another driver to close).
bool ShowOnTerminal(TDialogForm& form);

}  // namespace platform
