#pragma once
#include <chrono>
#include <cstdint>

namespace emu {

// The device's time in milliseconds since boot. A virtual clock moves only when the
// host advances it (tests and the headless runner stay deterministic); a real clock
// follows the host's steady clock (the desktop front-end).
class Clock {
public:
    enum class Mode { Virtual, Real };

    explicit Clock(Mode mode);
    Mode mode() const { return mode_; }
    std::uint64_t now_ms() const;
    // Virtual clocks only: moves time forward to `ms` (never backwards).
    void advance_to(std::uint64_t ms);

private:
    Mode mode_;
    std::uint64_t virtual_ms_ = 0;
    std::chrono::steady_clock::time_point boot_;
};

}  // namespace emu
