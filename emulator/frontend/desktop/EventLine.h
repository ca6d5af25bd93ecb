#pragma once
#include <string>

#include "kernel/EventLog.h"

namespace emu::desktop {

// What an event is about, for its colour in the log.
enum class EventKind { Launch, Sound, Settings, Display, Problem, Other };

// One event of the device's log as the panel shows it.
struct EventLine {
    std::wstring time;     // seconds since boot, to the millisecond: "12.345"
    std::wstring name;
    std::wstring details;  // the fields, "name=value" apart by two spaces
    EventKind kind = EventKind::Other;
};

EventLine event_line(const Event& event);

}  // namespace emu::desktop
