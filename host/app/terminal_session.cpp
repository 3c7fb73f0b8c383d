#include "terminal_session.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <system_error>

namespace app {

namespace fs = std::filesystem;

namespace {

struct termios gSavedTerminal;
volatile sig_atomic_t gTerminalChanged = 0;
struct sigaction gSavedQuit;
struct sigaction gSavedInterrupt;

void RestoreTerminal() {
    if (gTerminalChanged) {
        tcsetattr(STDIN_FILENO, TCSANOW, &gSavedTerminal);
        gTerminalChanged = 0;
    }
}

void ForwardQuitAsInterrupt(int) {
    raise(SIGINT);
}

// Reached only when nothing else catches SIGINT: end as an interrupted process would.
void EndOnInterrupt(int signal) {
    RestoreTerminal();
    ::signal(signal, SIG_DFL);
    raise(signal);
}

}  // namespace

TEscapeAsInterrupt::TEscapeAsInterrupt() {
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &gSavedTerminal) != 0) return;
    struct termios escape = gSavedTerminal;
    escape.c_cc[VQUIT] = 27;
    escape.c_lflag |= ISIG;
    escape.c_lflag &= ~static_cast<tcflag_t>(ECHOCTL);  // no "^[" echoed over the dialog

    struct sigaction forward {};
    forward.sa_handler = ForwardQuitAsInterrupt;
    sigemptyset(&forward.sa_mask);
    sigaction(SIGQUIT, &forward, &gSavedQuit);
    struct sigaction end {};
    end.sa_handler = EndOnInterrupt;
    sigemptyset(&end.sa_mask);
    sigaction(SIGINT, &end, &gSavedInterrupt);

    if (tcsetattr(STDIN_FILENO, TCSANOW, &escape) == 0) gTerminalChanged = 1;
    FActive = true;
}

TEscapeAsInterrupt::~TEscapeAsInterrupt() {
    if (!FActive) return;
    RestoreTerminal();
    sigaction(SIGQUIT, &gSavedQuit, nullptr);
    sigaction(SIGINT, &gSavedInterrupt, nullptr);
}

std::optional<uintmax_t> BytesReadByProcess() {
    std::ifstream io("/proc/self/io");
    std::string key;
    uintmax_t count = 0;
    while (io >> key) {
        if (key == "rchar:" && io >> count) return count;
    }
    return std::nullopt;
}

TReadProgress::TReadProgress(const fs::path& file, bool terminal, std::ostream& out)
    : FName(file.filename().string()), FOut(out) {
    std::error_code error;
    FSize = fs::file_size(file, error);
    if (!terminal || error || FSize == 0) return;
    FStartCount = BytesReadByProcess().value_or(0);
    FThread = std::thread([this] { Watch(); });
}

TReadProgress::~TReadProgress() {
    FStop = true;
    if (FThread.joinable()) FThread.join();
    if (FShown) FOut << "\r" << std::string(FName.size() + 16, ' ') << "\r" << std::flush;
}

void TReadProgress::Watch() {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    uintmax_t lastCount = FStartCount;
    int lastPercent = -1;
    while (!FStop) {
        std::this_thread::sleep_for(milliseconds(100));
        if (steady_clock::now() - start < milliseconds(500)) continue;
        std::optional<uintmax_t> count = BytesReadByProcess();
        if (!count || *count == lastCount) continue;
        lastCount = *count;
        uintmax_t read = lastCount - std::min(lastCount, FStartCount);
        int percent = static_cast<int>(std::min<uintmax_t>(100, read / (FSize / 100 + 1)));
        if (percent == lastPercent) continue;
        lastPercent = percent;
        FOut << "\rReading " << FName << "  " << percent << "%" << std::flush;
        FShown = true;
    }
}

}  // namespace app
