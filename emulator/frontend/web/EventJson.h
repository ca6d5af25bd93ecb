#pragma once
#include <span>
#include <string>

#include "kernel/EventLog.h"

namespace emu::web {

// Events as the page's log shows them: a JSON array of objects with the time, name,
// details and kind ("launch", "sound", "settings", "display", "problem", "other") of
// desktop::event_line.
std::string event_lines_json(std::span<const Event> events);

}  // namespace emu::web
