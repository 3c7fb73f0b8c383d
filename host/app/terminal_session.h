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
// thread compares the bytes this process has read since the start with the file's size a few
// times a second (the module reads at explicit offsets, so no descriptor position moves) and,
// once the read has lasted half a second, writes "Reading NAME  NN%" on one line. Nothing is
// written while the count stands still (a dialog may be waiting).
class TReadProgress {
  public:
    TReadProgress(const std::filesystem::path& file, bool terminal, std::ostream& out);
    ~TReadProgress();
    TReadProgress(const TReadProgress&) = delete;
    TReadProgress& operator=(const TReadProgress&) = delete;

  private:
    void Watch();

    std::string FName;
    uintmax_t FSize = 0;
    uintmax_t FStartCount = 0;
    std::ostream& FOut;
    std::atomic<bool> FStop{false};
    bool FShown = false;
    std::thread FThread;
};

// The bytes this process has read so far (the kernel's count, files and terminals alike);
// nullopt when the system does not say.
std::optional<uintmax_t> BytesReadByProcess();

}  // namespace app
