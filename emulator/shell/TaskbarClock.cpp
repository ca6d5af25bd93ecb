#include "shell/TaskbarClock.h"

#include <chrono>
#include <ctime>

#include "kernel/Clock.h"

namespace emu {

namespace {

constexpr std::uint64_t kMinute = 60000;
constexpr std::uint64_t kVirtualBootMinute = 8 * 60;

std::uint64_t host_ms_into_minute() {
    auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count()) %
           kMinute;
}

std::uint64_t minute_of_day(const Clock& clock) {
    if (clock.mode() == Clock::Mode::Virtual) return kVirtualBootMinute + clock.now_ms() / kMinute;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::uint64_t>(local.tm_hour * 60 + local.tm_min);
}

}  // namespace

std::wstring taskbar_time(const Clock& clock) {
    auto minute = minute_of_day(clock);
    auto minutes = std::to_wstring(minute % 60);
    return std::to_wstring(minute / 60 % 24) + L":" + (minutes.size() < 2 ? L"0" : L"") + minutes;
}

std::uint64_t next_taskbar_minute(const Clock& clock) {
    auto now = clock.now_ms();
    if (clock.mode() == Clock::Mode::Virtual) return (now / kMinute + 1) * kMinute;
    return now + kMinute - host_ms_into_minute();
}

}  // namespace emu
