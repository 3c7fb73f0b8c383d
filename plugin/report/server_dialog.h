// The base of the module's dialogs: owned by the host's main window, centred on the screen,
// with context help on F1 (the help key "Dlg_" and the form's name, looked up in the index of
// the module's help file; the host's master help file when the key is missing).
#pragma once

#include <cstdint>
#include <functional>

#include "platform/dialog_form.h"

// Where the dialogs get their owner window (the host's main window); 0 when none is set.
void SetDialogOwnerSource(std::function<uint32_t()> source);

// Makes Form a server dialog: owner window, position, help handling.
void PrepareServerDialog(platform::TDialogForm& form);
