#include "host/StopSignals.h"

#include <atomic>

namespace emu {

namespace {

std::atomic<int> g_received = 0;
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

void note(int signal_number) {
    int none = 0;
    g_received.compare_exchange_strong(none, signal_number);
}

}  // namespace

StopSignals::StopSignals() {
    g_received = 0;
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &old_terminate_);
    sigaction(SIGINT, &action, &old_interrupt_);
}

StopSignals::~StopSignals() {
    sigaction(SIGTERM, &old_terminate_, nullptr);
    sigaction(SIGINT, &old_interrupt_, nullptr);
}

int StopSignals::received() { return g_received; }

}  // namespace emu
