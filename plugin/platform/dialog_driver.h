// Shows the module's modal dialogs. Three drivers:
//  - terminal: the dialog is drawn as a text box on standard error and answered on the
//    terminal: Enter = the focused or default button, Escape = cancel, Space toggles the
//    focused check box, Tab moves the focus, F1 asks for help;
//  - batch (no terminal): the dialog's text goes to standard error and the dialog closes at
//    once with its default result (as if Enter were pressed); nothing ever waits;
//  - scripted (tests): each dialog takes the next queued answer (a list of keys, the default
//    result when the queue is empty) and every dialog shown is recorded.
// The mode is taken from ZORVAN_DIALOGS ("terminal" or "batch") when set, else from whether
// standard input and standard error are a terminal; SetDialogMode overrides both.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_form.h"

namespace platform {

enum class TDialogMode { Auto, Terminal, Batch, Scripted };

// Selects the driver; Auto goes back to the environment and terminal detection.
void SetDialogMode(TDialogMode mode);
// The driver in use (never Auto).
TDialogMode DialogMode();

// Shows Form modally through the driver in use and returns its modal result.
int32_t ShowModal(TDialogForm& form);

// A dialog as the scripted driver saw it when it closed.
struct TShownDialog {
    std::string Name;
    std::string Caption;
    std::string Text;  // TDialogForm::Describe() at closing
    int32_t Result = mrNone;
    TDialogForm Form;  // the form's final state (check boxes, focus, result)
};

// Queues the keys that answer the next dialog shown in scripted mode.
void ScriptDialogAnswer(std::vector<int32_t> keys);
// Every dialog shown in scripted mode since the last ClearScriptedDialogs.
const std::vector<TShownDialog>& ScriptedDialogs();
// Forgets the shown dialogs and the queued answers.
void ClearScriptedDialogs();

// When set, an import prints its report on standard output where the status dialog would
// open it in the host (the command's --view-report).
void SetPrintReportOnView(bool print);
bool PrintReportOnView();

}  // namespace platform
