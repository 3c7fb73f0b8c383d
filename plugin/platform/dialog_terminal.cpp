#include "platform/dialog_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {
namespace {

// Keeps the terminal in raw mode for the lifetime of the object and restores it afterwards.
class TRawTerminal {
  public:
    TRawTerminal() {
        FFd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (FFd < 0 || ::tcgetattr(FFd, &FSaved) != 0) return;
        termios raw = FSaved;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
        raw.c_iflag &= ~static_cast<tcflag_t>(ICRNL | IXON);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        FRaw = ::tcsetattr(FFd, TCSANOW, &raw) == 0;
    }
    ~TRawTerminal() {
        if (FRaw) ::tcsetattr(FFd, TCSANOW, &FSaved);
        if (FFd >= 0) ::close(FFd);
    }
    TRawTerminal(const TRawTerminal&) = delete;
    TRawTerminal& operator=(const TRawTerminal&) = delete;

    bool Usable() const { return FRaw; }

    // One key as a TDialogKey or a plain character; -1 when the terminal is gone.
    int32_t ReadKey() {
        unsigned char c = 0;
        if (::read(FFd, &c, 1) != 1) return -1;
        if (c == '\r' || c == '\n') return vkReturn;
        if (c == 3) return vkEscape;  // Ctrl-C cancels like Escape
        if (c != 27) return c;
        std::string sequence;
        while (ByteWaiting(30)) {
            unsigned char next = 0;
            if (::read(FFd, &next, 1) != 1) break;
            sequence += static_cast<char>(next);
        }
        if (sequence.empty()) return vkEscape;
        if (sequence == "OP" || sequence == "[11~") return vkF1;
        if (sequence == "[C" || sequence == "[D" || sequence == "[Z") return vkTab;
        return 0;  // another escape sequence: ignored
    }

  private:
    bool ByteWaiting(int milliseconds) const {
        pollfd fd{FFd, POLLIN, 0};
        return ::poll(&fd, 1, milliseconds) > 0;
    }

    int FFd = -1;
    termios FSaved{};
    bool FRaw = false;
};

std::string Pad(const std::string& text, size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// The box as lines of text, the focused control marked with ">".
std::vector<std::string> BoxLines(TDialogForm& form) {
    const TDialogControl* focused = form.Focused();
    std::vector<std::string> body;
    std::string buttons;
    for (const auto& control : form.Controls) {
        std::string caption = DisplayCaption(control.Caption);
        bool hasFocus = &control == focused;
        switch (control.Kind) {
            case TControlKind::Label: {
                size_t start = 0;
                for (size_t end; (end = caption.find('\n', start)) != std::string::npos;
                     start = end + 1)
                    body.push_back(caption.substr(start, end - start));
                body.push_back(caption.substr(start));
                break;
            }
            case TControlKind::CheckBox:
                body.push_back(std::string(hasFocus ? ">" : " ") +
                               (control.Checked ? "[x] " : "[ ] ") + caption);
                break;
            case TControlKind::Button:
                if (!buttons.empty()) buttons += "  ";
                buttons += hasFocus ? "[" + caption + "]" : "<" + caption + ">";
                break;
            case TControlKind::Bevel:
            case TControlKind::Image:
                break;
        }
    }
    size_t width = std::max(form.Caption.size() + 4, buttons.size());
    for (const auto& line : body) width = std::max(width, line.size());
    std::vector<std::string> lines;
    std::string top = "+- " + form.Caption + " ";
    lines.push_back(top + std::string(width + 4 - std::min(width + 4, top.size()), '-') + "+");
    for (const auto& line : body) lines.push_back("| " + Pad(line, width) + " |");
    lines.push_back("| " + Pad("", width) + " |");
    size_t indent = width - buttons.size();
    lines.push_back("| " + Pad(std::string(indent, ' ') + buttons, width) + " |");
    lines.push_back("+" + std::string(width + 2, '-') + "+");
    lines.push_back("  Enter: OK  Esc: cancel  Space: toggle  Tab: next  F1: help");
    return lines;
}

void Draw(const std::vector<std::string>& lines, size_t previousLineCount) {
    std::string out;
    if (previousLineCount > 0) out += "\x1b[" + std::to_string(previousLineCount) + "A\r";
    for (const auto& line : lines) out += "\x1b[2K" + line + "\n";
    std::fputs(out.c_str(), stderr);
    std::fflush(stderr);
}

}  // namespace

bool TerminalAvailable() {
    if (!::isatty(STDIN_FILENO) || !::isatty(STDERR_FILENO)) return false;
    int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool ShowOnTerminal(TDialogForm& form) {
    TRawTerminal terminal;
    if (!terminal.Usable()) return false;
    form.Activate();
    size_t drawn = 0;
    while (!form.Closed()) {
        auto lines = BoxLines(form);
        Draw(lines, drawn);
        drawn = lines.size();
        int32_t key = terminal.ReadKey();
        if (key < 0) {
            form.ModalResult = mrCancel;
            break;
        }
        if (key != 0) form.KeyDown(key);
    }
    Draw(BoxLines(form), drawn);
    return true;
}

}  // namespace platform
