#include "platform/abort_poll.h"

#include <atomic>
#include <csignal>
#include <mutex>
#include <utility>

namespace platform {
namespace {

std::atomic<bool> gAbortFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");

std::mutex gQuestionMutex;
std::function<bool()> gQuestion;

struct sigaction gPreviousSigint {};

extern "C" void OnSigint(int) {
    gAbortFlag.store(true, std::memory_order_relaxed);
}

}  // namespace

void RequestAbort() noexcept {
    gAbortFlag.store(true, std::memory_order_relaxed);
}

bool AbortRequested() noexcept {
    return gAbortFlag.load(std::memory_order_relaxed);
}

bool TakeAbortRequest() noexcept {
    return gAbortFlag.exchange(false, std::memory_order_relaxed);
}

void SetAbortQuestion(std::function<bool()> question) {
    std::lock_guard lock(gQuestionMutex);
    gQuestion = std::move(question);
}

bool AskAbortQuestion() {
    std::function<bool()> question;
    {
        std::lock_guard lock(gQuestionMutex);
        question = gQuestion;
    }
    return question ? question() : false;
}

TAbortSignalGuard::TAbortSignalGuard() {
    struct sigaction action {};
    action.sa_handler = OnSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    FInstalled = ::sigaction(SIGINT, &action, &gPreviousSigint) == 0;
}

TAbortSignalGuard::~TAbortSignalGuard() {
    if (FInstalled) ::sigaction(SIGINT, &gPreviousSigint, nullptr);
}

}  // namespace platform
