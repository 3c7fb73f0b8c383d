#include "platform/dialogs_message_box.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/dialog_driver.h"

namespace platform {
namespace {

// The toolkit's MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t half = c / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / c : (product - half) / c);
}

struct TButtonInfo {
    TMsgDlgBtn Button;
    const char* Name;
    const char* Caption;
    int32_t Result;
};

constexpr std::array<TButtonInfo, 11> kButtons{{
    {mbYes, "Yes", "&Yes", mrYes},
    {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},
    {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort},
    {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore},
    {mbAll, "All", "All", mrAll},
    {mbNoToAll, "NoToAll", "NoToAll", mrNoToAll},
    {mbYesToAll, "YesToAll", "YesToAll", mrYesToAll},
    {mbHelp, "Help", "&Help", mrNone},
}};

bool Has(TMsgDlgButtons set, TMsgDlgBtn button) {
    return (set & (1u << button)) != 0;
}

std::string ExpandTabs(const std::string& line) {
    std::string expanded;
    for (char c : line) {
        if (c == '\t')
            expanded.append(8 - expanded.size() % 8, ' ');
        else
            expanded += c;
    }
    return expanded;
}

// Word-wraps the shown text (ampersands already resolved) within maxWidth pixels.
std::vector<std::string> WrapText(const std::string& text, int32_t charWidth, int32_t maxWidth) {
    const size_t maxChars = std::max<size_t>(1, static_cast<size_t>(maxWidth / charWidth));
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string paragraph = ExpandTabs(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        std::string line;
        size_t pos = 0;
        while (pos < paragraph.size()) {
            size_t wordEnd = paragraph.find(' ', pos);
            if (wordEnd == std::string::npos) wordEnd = paragraph.size();
            std::string word = paragraph.substr(pos, wordEnd - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (candidate.size() <= maxChars || line.empty()) {
                line = candidate;
            } else {
                lines.push_back(line);
                line = word;
            }
            // A word longer than a line is broken where the line ends.
            while (line.size() > maxChars) {
                lines.push_back(line.substr(0, maxChars));
                line.erase(0, maxChars);
            }
            pos = wordEnd + 1;
        }
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
    return joined;
}

const char* IconName(TMsgDlgType kind) {
    switch (kind) {
        case TMsgDlgType::mtWarning:
            return "Warning";
        case TMsgDlgType::mtError:
            return "Error";
        case TMsgDlgType::mtInformation:
            return "Information";
        case TMsgDlgType::mtConfirmation:
            return "Confirmation";
        case TMsgDlgType::mtCustom:
            break;
    }
    return nullptr;
}

}  // namespace

TFontMetric MessageFontMetric() {
    return TFontMetric{};
}

TDialogForm CreateMessageDialog(const std::string& text, const std::string& caption,
                                TMsgDlgType kind, TMsgDlgButtons buttons,
                                const std::string& helpFile, int32_t left, int32_t top,
                                int32_t helpContext) {
    const std::string shown = DisplayCaption(EscapeAmpersands(text));
    const TFontMetric font = MessageFontMetric();
    auto dluX = [&](int32_t n) { return MulDiv(n, font.AverageCharWidth, 4); };
    auto dluY = [&](int32_t n) { return MulDiv(n, font.Height, 8); };
    const int32_t hMargin = dluX(8), vMargin = dluY(8), hSpacing = dluX(10), vSpacing = dluY(10),
                  buttonWidth = dluX(50), buttonHeight = dluY(14), buttonGap = dluX(4);

    const auto lines = WrapText(shown, font.AverageCharWidth, kScreenWidth / 2);
    int32_t textWidth = 0;
    for (const auto& line : lines)
        textWidth = std::max(textWidth, static_cast<int32_t>(line.size()) * font.AverageCharWidth);
    const int32_t textHeight = static_cast<int32_t>(lines.size()) * font.Height;

    const char* icon = IconName(kind);
    int32_t contentWidth = textWidth, contentHeight = textHeight;
    int32_t textLeft = hMargin;
    if (icon) {
        contentWidth = kIconSize + hSpacing + textWidth;
        contentHeight = std::max(kIconSize, textHeight);
        textLeft = hMargin + kIconSize + hSpacing;
    }

    TDialogForm form;
    form.Name = "MessageDialog";
    form.Caption = caption;
    form.FontName = "MS Sans Serif";
    form.FontHeight = -font.Height;
    if (icon)
        form.Add(MakeControl(TControlKind::Image, "Image", icon, hMargin, vMargin, kIconSize,
                             kIconSize));
    form.Add(MakeControl(TControlKind::Label, "Message", EscapeAmpersands(Join(lines)), textLeft,
                         vMargin, textWidth, textHeight));

    std::vector<const TButtonInfo*> present;
    for (const auto& info : kButtons)
        if (Has(buttons, info.Button)) present.push_back(&info);
    const int32_t count = static_cast<int32_t>(present.size());
    const int32_t rowWidth = count > 0 ? count * buttonWidth + (count - 1) * buttonGap : 0;

    form.ClientWidth = std::max(contentWidth, rowWidth) + 2 * hMargin;
    form.ClientHeight = buttonHeight + contentHeight + vSpacing + 2 * vMargin;

    const TMsgDlgBtn defaultButton = Has(buttons, mbOK)    ? mbOK
                                     : Has(buttons, mbYes) ? mbYes
                                                           : mbRetry;
    const TMsgDlgBtn cancelButton = Has(buttons, mbCancel) ? mbCancel
                                    : Has(buttons, mbNo)   ? mbNo
                                                           : mbOK;
    int32_t x = (form.ClientWidth - rowWidth) / 2;
    const int32_t y = vMargin + contentHeight + vSpacing;
    int32_t tab = 0;
    for (const TButtonInfo* info : present) {
        TDialogControl button = MakeControl(TControlKind::Button, info->Name, info->Caption, x, y,
                                            buttonWidth, buttonHeight);
        button.TabOrder = tab++;
        button.ModalResult = info->Result;
        button.IsDefault = info->Button == defaultButton;
        button.IsCancel = info->Button == cancelButton;
        if (info->Button == mbHelp)
            button.OnClick = [](TDialogForm& f) {
                if (f.OnHelp) f.OnHelp(f);
            };
        form.Add(std::move(button));
        x += buttonWidth + buttonGap;
    }
    // The default button has the focus when the box opens.
    for (const auto& control : form.Controls)
        if (control.IsDefault) form.SetFocus(control.Name);

    form.HelpContext = helpContext;
    form.HelpFile = helpFile;
    if (left >= 0 || top >= 0) {
        form.Left = std::max(left, 0);
        form.Top = std::max(top, 0);
    } else {
        form.Left = (kScreenWidth - form.ClientWidth) / 2;
        form.Top = (kScreenHeight - form.ClientHeight) / 2;
    }
    return form;
}

int32_t MessageBoxEx(const std::string& text, const std::string& caption, TMsgDlgType kind,
                     TMsgDlgButtons buttons, const std::string& helpFile, int32_t left, int32_t top,
                     int32_t helpContext) {
    TDialogForm form =
        CreateMessageDialog(text, caption, kind, buttons, helpFile, left, top, helpContext);
    return ShowModal(form);
}

bool ConfirmYesNo(const std::string& text) {
    return MessageBoxEx(text, "Confirm", TMsgDlgType::mtConfirmation, Buttons({mbYes, mbNo}), "",
                        -1, -1, -1) == mrYes;
}

}  // namespace platform
