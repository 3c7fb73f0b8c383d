// The general message box: a text with an icon and a row of buttons, laid out from the
// message font's metrics in dialog units, shown modally through the dialog driver.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog_form.h"

namespace platform {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons, in the order they stand in a box.
enum TMsgDlgBtn : uint32_t {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
};
using TMsgDlgButtons = uint32_t;  // a set: bit (1 << TMsgDlgBtn)
constexpr TMsgDlgButtons Buttons(std::initializer_list<TMsgDlgBtn> buttons) {
    TMsgDlgButtons set = 0;
    for (auto b : buttons) set |= 1u << b;
    return set;
}

// The message font. This platform has no system font to ask, so the metric is fixed: the
// 52 letters A-Z and a-z are 312 pixels wide together (6 per character on average) and a
// line is 13 pixels high, as the toolkit's 8-point dialog font; every character of a message
// is measured at the average width.
struct TFontMetric {
    int32_t AverageCharWidth = 6;  // pixels
    int32_t Height = 13;           // pixels
};
TFontMetric MessageFontMetric();
// The screen the boxes are laid out for; a long text wraps at half its width.
constexpr int32_t kScreenWidth = 1024;
constexpr int32_t kScreenHeight = 768;
constexpr int32_t kIconSize = 32;  // pixels

// Builds the box without showing it. Text is shown as written ("&" is not an accelerator).
// Left and Top place the box when not negative; -1 centres it. HelpContext -1 means none.
TDialogForm CreateMessageDialog(const std::string& text, const std::string& caption,
                                TMsgDlgType kind, TMsgDlgButtons buttons,
                                const std::string& helpFile, int32_t left, int32_t top,
                                int32_t helpContext);

// Shows the box modally and returns its modal result.
int32_t MessageBoxEx(const std::string& text, const std::string& caption, TMsgDlgType kind,
                     TMsgDlgButtons buttons, const std::string& helpFile, int32_t left, int32_t top,
                     int32_t helpContext);

// The platform's confirmation box: Text with the buttons Yes and No and the caption "Confirm";
// true for Yes.
bool ConfirmYesNo(const std::string& text);

}  // namespace platform
