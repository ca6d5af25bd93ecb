#pragma once
#include <cstdint>
#include <string>

namespace emu {

class Clock;

// The time the taskbar shows, "H:MM". A real clock shows the host's local time; a virtual
// one counts from 8:00 at boot, so that runs and their screenshots repeat.
std::wstring taskbar_time(const Clock& clock);

// The device time (milliseconds since boot) at which the shown minute next changes.
std::uint64_t next_taskbar_minute(const Clock& clock);

}  // namespace emu
