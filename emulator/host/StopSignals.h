#pragma once
#include <csignal>

namespace emu {

// Catches SIGTERM and SIGINT for as long as it lives (the old handlers come back after),
// so that a headless run asked to stop ends in order instead of at once: the run checks
// stop_requested() between its steps and then shuts the device down as usual.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The first stop signal caught, 0 when none.
    static int received();

private:
    struct sigaction old_terminate_ {};
    struct sigaction old_interrupt_ {};
};

// Whether a stop signal was caught while a StopSignals lives.
inline bool stop_requested() { return StopSignals::received() != 0; }

}  // namespace emu
