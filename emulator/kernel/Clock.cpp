#include "kernel/Clock.h"

namespace emu {

Clock::Clock(Mode mode) : mode_(mode), boot_(std::chrono::steady_clock::now()) {}

std::uint64_t Clock::now_ms() const {
    if (mode_ == Mode::Virtual) return virtual_ms_;
    auto elapsed = std::chrono::steady_clock::now() - boot_;
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Clock::advance_to(std::uint64_t ms) {
    if (ms > virtual_ms_) virtual_ms_ = ms;
}

}  // namespace emu
