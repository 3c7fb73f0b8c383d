#include "platform/dialog_form.h"

#include <algorithm>

namespace platform {

TDialogControl MakeControl(TControlKind kind, std::string name, std::string caption, int32_t left,
                           int32_t top, int32_t width, int32_t height) {
    TDialogControl control;
    control.Kind = kind;
    control.Name = std::move(name);
    control.Caption = std::move(caption);
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
    return control;
}

TDialogControl& TDialogForm::Add(TDialogControl control) {
    Controls.push_back(std::move(control));
    return Controls.back();
}

TDialogControl* TDialogForm::Find(const std::string& name) {
    for (auto& control : Controls)
        if (control.Name == name) return &control;
    return nullptr;
}

const TDialogControl* TDialogForm::Find(const std::string& name) const {
    for (const auto& control : Controls)
        if (control.Name == name) return &control;
    return nullptr;
}

TDialogControl* TDialogForm::Focused() {
    return FFocus.empty() ? nullptr : Find(FFocus);
}

void TDialogForm::SetFocus(const std::string& name) {
    if (Find(name)) FFocus = name;
}

std::vector<TDialogControl*> TDialogForm::TabOrder() {
    std::vector<TDialogControl*> order;
    for (auto& control : Controls)
        if (control.TabOrder >= 0) order.push_back(&control);
    std::stable_sort(order.begin(), order.end(),
                     [](auto* a, auto* b) { return a->TabOrder < b->TabOrder; });
    return order;
}

void TDialogForm::Activate() {
    if (FFocus.empty()) {
        auto order = TabOrder();
        if (!order.empty()) FFocus = order.front()->Name;
    }
    if (OnActivate) OnActivate(*this);
}

void TDialogForm::Click(const std::string& name) {
    TDialogControl* control = Find(name);
    if (!control) return;
    if (control->Kind == TControlKind::CheckBox) control->Checked = !control->Checked;
    if (control->OnClick) control->OnClick(*this);
    if (control->Kind == TControlKind::Button && control->ModalResult != mrNone)
        ModalResult = control->ModalResult;
}

void TDialogForm::KeyDown(int32_t key) {
    TDialogControl* focused = Focused();
    if (focused && focused->OnKeyDown) {
        focused->OnKeyDown(*this, key);
        if (Closed()) return;
    }
    auto clickWhere = [this](auto predicate) {
        for (auto& control : Controls)
            if (control.Kind == TControlKind::Button && predicate(control)) {
                Click(control.Name);
                return;
            }
    };
    switch (key) {
        case vkReturn:
            if (focused && focused->Kind == TControlKind::Button)
                Click(focused->Name);
            else
                clickWhere([](const TDialogControl& c) { return c.IsDefault; });
            break;
        case vkEscape:
            clickWhere([](const TDialogControl& c) { return c.IsCancel; });
            break;
        case vkSpace:
            if (focused &&
                (focused->Kind == TControlKind::CheckBox || focused->Kind == TControlKind::Button))
                Click(focused->Name);
            break;
        case vkTab: {
            auto order = TabOrder();
            if (order.empty()) break;
            auto at = std::find(order.begin(), order.end(), focused);
            FFocus = (at == order.end() || std::next(at) == order.end()) ? order.front()->Name
                                                                         : (*std::next(at))->Name;
            break;
        }
        case vkF1:
            if (OnHelp) OnHelp(*this);
            break;
        default:
            break;
    }
}

std::string TDialogForm::Describe() const {
    std::string text = "[" + Caption + "]\n";
    for (const auto& control : Controls) {
        switch (control.Kind) {
            case TControlKind::Label:
                text += DisplayCaption(control.Caption) + "\n";
                break;
            case TControlKind::CheckBox:
                text += std::string(control.Checked ? "[x] " : "[ ] ") +
                        DisplayCaption(control.Caption) + "\n";
                break;
            case TControlKind::Button:
                text += "<" + DisplayCaption(control.Caption) + ">" +
                        (control.IsDefault ? " (default)" : "") + "\n";
                break;
            case TControlKind::Bevel:
            case TControlKind::Image:
                break;
        }
    }
    return text;
}

std::string DisplayCaption(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += '&';
            ++i;
        }
    }
    return shown;
}

std::string EscapeAmpersands(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return escaped;
}

}  // namespace platform
