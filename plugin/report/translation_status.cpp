#include "report/translation_status.h"

#include "platform/dialog_driver.h"
#include "report/server_dialog.h"

using platform::MakeControl;
using platform::TControlKind;
using platform::TDialogControl;
using platform::TDialogForm;

TTranslationStatus::TTranslationStatus() {
    Form.Name = "TranslationStatus";
    Form.Caption = "ZORVAN Schematic Translator";
    Form.ClientWidth = 239;
    Form.ClientHeight = 100;
    Form.FontName = "MS Sans Serif";
    Form.FontHeight = -11;
    Form.OnActivate = FormActivate;
    Form.Add(MakeControl(TControlKind::Label, "LabelStatus", "Status: Translation Successful", 13,
                         9, 143, 13));
    TDialogControl& viewReport = Form.Add(
        MakeControl(TControlKind::CheckBox, "CheckBoxViewReport", "&View Report", 16, 34, 89, 17));
    viewReport.TabOrder = 0;
    viewReport.OnKeyDown = ButtonOKKeyDown;
    // Drawn as a line along its top edge.
    Form.Add(MakeControl(TControlKind::Bevel, "BevelDesignRules", "", 7, 59, 226, 9));
    TDialogControl& buttonOK =
        Form.Add(MakeControl(TControlKind::Button, "ButtonOK", "&Close", 155, 70, 75, 24));
    buttonOK.TabOrder = 1;
    buttonOK.IsDefault = true;
    buttonOK.OnClick = ButtonOKClick;
    buttonOK.OnKeyDown = ButtonOKKeyDown;
    PrepareServerDialog(Form);
}

int32_t TTranslationStatus::ShowModal() {
    return platform::ShowModal(Form);
}

void TTranslationStatus::ButtonOKClick(TDialogForm& form) {
    form.ModalResult = platform::mrOk;
}

void TTranslationStatus::ButtonOKKeyDown(TDialogForm& form, int32_t key) {
    if (key == platform::vkEscape) form.ModalResult = platform::mrCancel;
}

void TTranslationStatus::FormActivate(TDialogForm& form) {
    form.SetFocus("ButtonOK");
}
