#include "common_dialog.h"

#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace client {

namespace {

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

TCommonDialogRequest ParseCommonDialogRequest(std::string_view parameters) {
    TCommonDialogRequest request;
    while (!parameters.empty()) {
        size_t bar = parameters.find('|');
        std::string_view piece = parameters.substr(0, bar);
        parameters =
            bar == std::string_view::npos ? std::string_view{} : parameters.substr(bar + 1);
        size_t equals = piece.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view name = Trim(piece.substr(0, equals));
        std::string value(Trim(piece.substr(equals + 1)));
        if (SameName(name, "Dialog")) {
            request.Dialog = value;
        } else if (SameName(name, "Prompt")) {
            request.Prompt = value;
        } else if (SameName(name, "Path")) {
            request.Path = value;
        } else if (name.size() > 8 && SameName(name.substr(0, 8), "FileType")) {
            request.FileTypes.push_back(value);
        }
    }
    return request;
}

TCommonDialogMode TCommonDialog::Mode() const {
    if (FMode != TCommonDialogMode::Auto) return FMode;
    if (const char* forced = std::getenv("ZORVAN_DIALOGS")) {
        if (strcasecmp(forced, "terminal") == 0) return TCommonDialogMode::Terminal;
        if (strcasecmp(forced, "batch") == 0) return TCommonDialogMode::Batch;
    }
    return isatty(STDIN_FILENO) && isatty(STDERR_FILENO) ? TCommonDialogMode::Terminal
                                                         : TCommonDialogMode::Batch;
}

void TCommonDialog::SetTerminal(std::istream& in, std::ostream& out) {
    FIn = &in;
    FOut = &out;
}

void TCommonDialog::ScriptAnswer(std::optional<std::string> path) {
    FScript.push_back(std::move(path));
}

std::optional<std::string> TCommonDialog::AskOnTerminal(const TCommonDialogRequest& request) {
    std::istream& in = FIn ? *FIn : std::cin;
    std::ostream& out = FOut ? *FOut : std::cerr;
    out << (request.Prompt.empty() ? std::string("Open file") : request.Prompt);
    if (!request.FileTypes.empty()) out << " (" << request.FileTypes.front() << ")";
    if (!request.Path.empty()) out << " [" << request.Path << "]";
    out << ": " << std::flush;
    std::string line;
    if (!std::getline(in, line)) {
        out << "\n";
        return std::nullopt;
    }
    std::string chosen(Trim(line));
    if (chosen.empty()) chosen = request.Path;
    if (chosen.empty()) return std::nullopt;
    return chosen;
}

int32_t TCommonDialog::Run(char* buffer, uint16_t size) {
    if (!buffer || size == 0) return 0;
    TCommonDialogRequest request =
        ParseCommonDialogRequest(std::string_view(buffer, strnlen(buffer, size)));
    FRequests.push_back(request);

    std::optional<std::string> chosen;
    switch (Mode()) {
        case TCommonDialogMode::Terminal:
            chosen = AskOnTerminal(request);
            break;
        case TCommonDialogMode::Scripted:
            if (!FScript.empty()) {
                chosen = std::move(FScript.front());
                FScript.pop_front();
            }
            break;
        default:
            break;
    }

    // A path holding the separator of the answer's parameters cannot be passed back.
    std::string answer = "Result=False";
    if (chosen && chosen->find('|') == std::string::npos) {
        std::string confirmed = "Result=True|Path=" + *chosen;
        if (confirmed.size() < size) answer = std::move(confirmed);
    }
    size_t length = std::min<size_t>(answer.size(), size - 1u);
    std::memcpy(buffer, answer.data(), length);
    buffer[length] = '\0';
    return 0;
}

}  // namespace client
