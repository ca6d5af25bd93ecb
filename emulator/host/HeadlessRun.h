#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace emu {

class DeviceHost;

struct HeadlessOptions {
    std::optional<std::filesystem::path> device;  // a temporary folder when absent
    std::optional<std::filesystem::path> script;
    std::filesystem::path screenshot = "tesselink-screenshot.png";
    std::filesystem::path log = "tesselink-events.jsonl";
};

// Boots a device, installs the programs, starts `program`, runs the script, takes the
// screenshot and shuts the device down in order; the event log file is written as the
// events come.
// SIGTERM or SIGINT ends the script early and the run goes on to its orderly end.
// Returns the process exit status: 0, 1 when the device or an action failed, 2 for a
// script that is malformed or not a readable file, 128 + the signal's number when a
// signal stopped it.
int run_headless(const HeadlessOptions& options, const std::function<void(DeviceHost&)>& install,
                 const std::wstring& program, std::ostream& out, std::ostream& err);

}  // namespace emu
