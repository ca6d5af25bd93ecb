#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "host/Script.h"

namespace emu {

class Device;

// The events of one gremlin, drawn from its seed: taps, drags and long presses (most of
// them inside a visible window, where something can be tapped), hardware and direction
// keys, power off and on, battery, mains, memory and storage changes, waits, and now and
// then the program opened again. Each event is one or more lines of the headless script
// language, so that a run can be replayed as a script. The same seed and the same device
// state give the same events.
class GremlinEvents {
public:
    GremlinEvents(std::uint64_t seed, std::string program_path);

    // The next event, for the device as it is now. Caller holds the device mutex.
    std::vector<ScriptAction> next(const Device& device);

private:
    struct Point {
        int x, y;
    };
    Point somewhere(const Device& device);
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937_64 random_;
    std::string program_path_;
};

// The action as a line of a script.
std::string script_line(const ScriptAction& action);

}  // namespace emu
