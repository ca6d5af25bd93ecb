#pragma once
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace emu {

class DeviceHost;

// One line of a headless script: an action and its arguments.
struct ScriptAction {
    int line = 0;
    std::string verb;
    std::vector<std::string> args;
};

// A script of device actions, one a line; a line starting with `#` is a comment (a `#`
// further on is part of the line, as in a path). Parsing checks every
// line, so that a malformed script stops before it has done anything.
class Script {
public:
    // Null with `error` naming the line and its number when a line is malformed.
    static std::optional<Script> parse(std::istream& in, const std::string& name, std::string& error);
    const std::vector<ScriptAction>& actions() const { return actions_; }

    // Runs every action, waiting after each until the device is idle; false with `error`
    // set when an action fails (for instance a screenshot that cannot be written). A stop
    // request (see StopSignals) ends the run early, between actions or during a wait.
    bool run(DeviceHost& host, std::string& error) const;
    // Runs one action, waiting until the device is idle; "" on success, else what failed.
    static std::string perform(DeviceHost& host, const ScriptAction& action);

private:
    std::string name_;
    std::vector<ScriptAction> actions_;
};

}  // namespace emu
