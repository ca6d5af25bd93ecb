#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace emu {

class DeviceHost;

struct GremlinOptions {
    int count = 1;
    std::uint64_t seed = 0;
    int events = 10000;
    std::optional<std::filesystem::path> device;  // copied for each gremlin; the built-in image when absent
    std::optional<std::filesystem::path> replay;  // a gremlin's script: its events instead of drawn ones
    std::filesystem::path output = ".";           // where a failure's script, screenshot and event log go
    std::string command = "tesselink";            // how the replay command starts
    bool requested = false;                       // a gremlin option was given
};

// The gremlin options: --gremlins, --seed, --events, --replay.
bool is_gremlin_option(const std::string& name);
// Stores a gremlin option's value and marks the run as one of gremlins; false for a value
// the option refuses.
bool set_gremlin_option(GremlinOptions& options, const std::string& name, const std::string& value);

// Runs gremlins one after another, gremlin K on a fresh copy of the device with events
// drawn from seed + K (see GremlinEvents), the invariants (GremlinChecks) checked after
// every event. The first broken invariant stops the run: its gremlin's events up to the
// failing one are written as gremlin-SEED-EVENT.script, with a screenshot and the event
// log beside it, and the command that replays it is printed. A replay runs a script's
// events with the same checks. Prints a progress line on a terminal and a summary.
// Returns 0 when every invariant held, 1 when one broke or the device failed, 2 for a
// replay script that cannot be read.
int run_gremlins(const GremlinOptions& options, const std::function<void(DeviceHost&)>& install,
                 const std::wstring& program, std::ostream& out, std::ostream& err);

}  // namespace emu
