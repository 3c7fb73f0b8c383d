// The dialog that closes an import with something to report: a status line, the
// "&View Report" check box and the "&Close" button.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog_form.h"

class TTranslationStatus {
  public:
    TTranslationStatus();

    platform::TDialogForm Form;

    platform::TDialogControl& LabelStatus() { return *Form.Find("LabelStatus"); }
    platform::TDialogControl& CheckBoxViewReport() { return *Form.Find("CheckBoxViewReport"); }
    platform::TDialogControl& ButtonOK() { return *Form.Find("ButtonOK"); }

    // Shows the dialog modally: 1 for "&Close" (and Enter), 2 for Escape.
    int32_t ShowModal();

    static void ButtonOKClick(platform::TDialogForm& form);
    static void ButtonOKKeyDown(platform::TDialogForm& form, int32_t key);
    static void FormActivate(platform::TDialogForm& form);
};
