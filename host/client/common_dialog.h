// The client's file dialog, run for the host process "Client:RunCommonDialog".
//
// The request is a parameter string (Dialog=FileOpenSave|Mode=0|Prompt=...|FileType1=...|
// Path=...) in a buffer that the answer replaces: "Result=True|Path=<chosen file>" when the
// user confirmed a file, "Result=False" otherwise. Three ways to answer:
//  - terminal: the prompt is written to standard error and a path is read from standard input;
//    an empty line takes the path offered, end of input cancels;
//  - batch (no terminal): nothing waits, every request is cancelled;
//  - scripted (tests): each request takes the next queued answer (cancel when none is left).
// Auto follows ZORVAN_DIALOGS ("terminal" or "batch") when set, else whether standard input
// and standard error are both a terminal.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace client {

enum class TCommonDialogMode { Auto, Terminal, Batch, Scripted };

// What a request asked for.
struct TCommonDialogRequest {
    std::string Dialog;
    std::string Prompt;
    std::vector<std::string> FileTypes;  // FileType1, FileType2, ... in order
    std::string Path;                    // the path offered
};

// Parses a request; unknown parameters are ignored.
TCommonDialogRequest ParseCommonDialogRequest(std::string_view parameters);

class TCommonDialog {
  public:
    void SetMode(TCommonDialogMode mode) { FMode = mode; }
    // The mode in use (never Auto).
    TCommonDialogMode Mode() const;
    // Terminal mode reads and writes these (standard input and error by default).
    void SetTerminal(std::istream& in, std::ostream& out);

    // Scripted mode: the answer to the next request; nullopt cancels it.
    void ScriptAnswer(std::optional<std::string> path);
    // Every request seen, in order.
    const std::vector<TCommonDialogRequest>& Requests() const { return FRequests; }

    // Answers the request in `buffer` (NUL-terminated, `size` bytes) in place. An answer that
    // does not fit the buffer is given as "Result=False" rather than cut. Returns 0.
    int32_t Run(char* buffer, uint16_t size);

  private:
    std::optional<std::string> AskOnTerminal(const TCommonDialogRequest& request);

    TCommonDialogMode FMode = TCommonDialogMode::Auto;
    std::istream* FIn = nullptr;
    std::ostream* FOut = nullptr;
    std::deque<std::optional<std::string>> FScript;
    std::vector<TCommonDialogRequest> FRequests;
};

}  // namespace client
