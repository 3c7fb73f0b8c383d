// A modal dialog as data: the form, its controls and the handlers that decide its result.
// The dialog driver (dialog_driver.h) shows a form and feeds it keys; the form's own rules
// (default button, cancel button, key handlers) decide what a key does, so every driver
// (terminal, batch, scripted) closes a dialog with the same results.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Modal results of the dialogs.
enum TModalResult : int32_t {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

// Keys the forms react to.
enum TDialogKey : int32_t {
    vkTab = 9,
    vkReturn = 13,
    vkEscape = 27,
    vkSpace = 32,
    vkF1 = 112,
};

enum class TControlKind { Label, CheckBox, Bevel, Button, Image };

class TDialogForm;

// One control of a form. Positions and sizes are in pixels of the form's client area.
struct TDialogControl {
    TControlKind Kind = TControlKind::Label;
    std::string Name;
    std::string Caption;  // as the toolkit takes it: "&" marks an accelerator, "&&" is one "&"
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t TabOrder = -1;         // -1: cannot take the focus
    bool Checked = false;          // check boxes
    int32_t ModalResult = mrNone;  // buttons: the result a click gives the form
    bool IsDefault = false;        // buttons: Enter clicks it
    bool IsCancel = false;         // buttons: Escape clicks it
    std::function<void(TDialogForm&)> OnClick;
    // Called with the key before the form's own key rules; may set the form's result.
    std::function<void(TDialogForm&, int32_t key)> OnKeyDown;
};

// A control at Left, Top of Width by Height pixels; the other settings at their defaults.
TDialogControl MakeControl(TControlKind kind, std::string name, std::string caption, int32_t left,
                           int32_t top, int32_t width, int32_t height);

class TDialogForm {
  public:
    std::string Name;
    std::string Caption;
    int32_t ClientWidth = 0;
    int32_t ClientHeight = 0;
    std::string FontName;
    int32_t FontHeight = 0;  // negative: character height in pixels, as the toolkit has it
    int32_t Left = -1;       // -1: centred on the active window's monitor
    int32_t Top = -1;
    uint32_t OwnerWindow = 0;
    std::string HelpFile;
    int32_t HelpContext = 0;
    // Shown before the first key; may move the focus.
    std::function<void(TDialogForm&)> OnActivate;
    // F1: the form's context help (the driver passes the help key to it).
    std::function<void(TDialogForm&)> OnHelp;

    std::vector<TDialogControl> Controls;
    int32_t ModalResult = mrNone;

    TDialogControl& Add(TDialogControl control);
    TDialogControl* Find(const std::string& name);
    const TDialogControl* Find(const std::string& name) const;
    TDialogControl* Focused();
    void SetFocus(const std::string& name);

    // Runs OnActivate and gives the focus to the first control in tab order when none has it.
    void Activate();
    // Applies one key as the toolkit would: the focused control's handler first, then
    // Enter clicks the focused button or else the default button, Escape the cancel button,
    // Space toggles the focused check box or clicks the focused button, Tab moves the focus.
    void KeyDown(int32_t key);
    // A click on a control: a check box toggles, a button runs its handler and sets its result.
    void Click(const std::string& name);
    bool Closed() const { return ModalResult != mrNone; }

    // The texts of the form for a reader: caption, labels, check boxes and buttons, in order.
    std::string Describe() const;

  private:
    std::string FFocus;
    std::vector<TDialogControl*> TabOrder();
};

// A caption as shown: "&&" becomes "&", a single "&" (accelerator mark) is dropped.
std::string DisplayCaption(const std::string& caption);
// The other way: every "&" doubled so that the text shows as written.
std::string EscapeAmpersands(const std::string& text);

}  // namespace platform
