#include "platform/dialog_driver.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string_view>

#include "platform/dialog_terminal.h"

namespace platform {
namespace {

TDialogMode gMode = TDialogMode::Auto;
bool gPrintReportOnView = false;
std::deque<std::vector<int32_t>> gAnswers;
std::vector<TShownDialog> gShown;

TDialogMode DetectMode() {
    if (const char* env = std::getenv("ZORVAN_DIALOGS")) {
        std::string_view value(env);
        if (value == "terminal") return TDialogMode::Terminal;
        if (value == "batch") return TDialogMode::Batch;
    }
    return TerminalAvailable() ? TDialogMode::Terminal : TDialogMode::Batch;
}

// Closes a form that no key closed: the default button's result, else cancel.
void CloseWithDefault(TDialogForm& form) {
    if (!form.Closed()) form.KeyDown(vkReturn);
    if (!form.Closed()) form.ModalResult = mrCancel;
}

int32_t ShowBatch(TDialogForm& form) {
    form.Activate();
    CloseWithDefault(form);
    std::fputs(form.Describe().c_str(), stderr);
    std::fflush(stderr);
    return form.ModalResult;
}

int32_t ShowScripted(TDialogForm& form) {
    form.Activate();
    if (!gAnswers.empty()) {
        for (int32_t key : gAnswers.front()) {
            if (form.Closed()) break;
            form.KeyDown(key);
        }
        gAnswers.pop_front();
    }
    CloseWithDefault(form);
    gShown.push_back({form.Name, form.Caption, form.Describe(), form.ModalResult, form});
    return form.ModalResult;
}

}  // namespace

void SetDialogMode(TDialogMode mode) {
    gMode = mode;
}

TDialogMode DialogMode() {
    if (gMode == TDialogMode::Auto) return DetectMode();
    return gMode;
}

int32_t ShowModal(TDialogForm& form) {
    form.ModalResult = mrNone;
    switch (DialogMode()) {
        case TDialogMode::Scripted:
            return ShowScripted(form);
        case TDialogMode::Terminal:
            if (ShowOnTerminal(form)) return form.ModalResult;
            return ShowBatch(form);  // the terminal went away: nothing may wait
        case TDialogMode::Auto:
        case TDialogMode::Batch:
            break;
    }
    return ShowBatch(form);
}

void ScriptDialogAnswer(std::vector<int32_t> keys) {
    gAnswers.push_back(std::move(keys));
}

const std::vector<TShownDialog>& ScriptedDialogs() {
    return gShown;
}

void ClearScriptedDialogs() {
    gShown.clear();
    gAnswers.clear();
}

void SetPrintReportOnView(bool print) {
    gPrintReportOnView = print;
}
bool PrintReportOnView() {
    return gPrintReportOnView;
}

}  // namespace platform
