// What the command does on a terminal while the module reads a file.
#pragma once

#include <termios.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <ostream>
#include <thread>

namespace app {

// While alive, and only when standard input is a terminal, the Escape key sends the process
// SIGINT, like Ctrl-C: the module turns SIGINT into its "Confirm Abort" question while it reads.
// (The terminal's quit character becomes Escape and SIGQUIT is forwarded as SIGINT.) A SIGINT
// that arrives while the module does not catch it restores the terminal before the process ends.
class TEscapeAsInterrupt {
  public:
    TEscapeAsInterrupt();
    ~TEscapeAsInterrupt();
    TEscapeAsInterrupt(const TEscapeAsInterrupt&) = delete;
    TEscapeAsInterrupt& operator=(const TEscapeAsInterrupt&) = delete;

  private:
    bool FActive = false;
};

// While alive, and only when `out` is a terminal, shows how far the module has read `file`: a
// thread looks at the read position of the process's descriptors open on that file a few times
// a second and, once the read has lasted half a second, writes "Reading NAME  NN%" on one line.
// Nothing is written while the position stands still (a dialog may be waiting).
class TReadProgress {
  public:
    TReadProgress(const std::filesystem::path& file, bool terminal, std::ostream& out);
    ~TReadProgress();
    TReadProgress(const TReadProgress&) = delete;
    TReadProgress& operator=(const TReadProgress&) = delete;

  private:
    void Watch();

    std::filesystem::path FFile;
    std::string FName;
    uintmax_t FSize = 0;
    std::ostream& FOut;
    std::atomic<bool> FStop{false};
    bool FShown = false;
    std::thread FThread;
};

// The read position of the last-opened descriptor of this process on `file`; nullopt when the
// file is not open.
std::optional<uintmax_t> OpenFilePosition(const std::filesystem::path& file);

}  // namespace app
