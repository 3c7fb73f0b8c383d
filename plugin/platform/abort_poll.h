// The user's request to stop a long read.
//
// Something outside the reader (a SIGINT handler, a terminal key watcher, a test) raises a
// flag; the reader looks at the flag now and then (an atomic load, no system call) and, when
// it is up, takes it down and asks the abort question. The question is a callback that the
// frame wires to the dialog driver's "Confirm Abort" box; with no callback the answer is No.
#pragma once

#include <functional>

namespace platform {

// Raises the abort flag. Safe to call from a signal handler or another thread.
void RequestAbort() noexcept;
// Whether the flag is up (does not lower it).
bool AbortRequested() noexcept;
// Lowers the flag and says whether it was up.
bool TakeAbortRequest() noexcept;

// Installs the question asked when the flag is seen ("Confirm Abort", Yes = true).
// An empty function removes it.
void SetAbortQuestion(std::function<bool()> question);
// Asks the installed question; No (false) when none is installed.
bool AskAbortQuestion();

// While alive, Ctrl-C (SIGINT) raises the abort flag instead of ending the process;
// the previous handler comes back on destruction. Install one around an import.
class TAbortSignalGuard {
  public:
    TAbortSignalGuard();
    ~TAbortSignalGuard();
    TAbortSignalGuard(const TAbortSignalGuard&) = delete;
    TAbortSignalGuard& operator=(const TAbortSignalGuard&) = delete;

  private:
    bool FInstalled = false;
};

}  // namespace platform
