#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "frontend/CommandLine.h"

namespace emu {

class DeviceHost;

struct DesktopOptions {
    std::filesystem::path device;
    int zoom = 2;
    std::optional<std::filesystem::path> log;
    std::optional<std::filesystem::path> test_input;
};

// Opens the desktop window, boots the device in it with a real clock, installs the
// programs, starts `program`, and runs until the window is closed; then shuts the device
// down in order. The event log file, if asked, is written as the events come. Nothing,
// and no device booted, when no window can be opened (no display); otherwise the exit
// status: 0, or 1 when the device could not boot, a file could not be written or the
// test input failed.
std::optional<int> run_desktop(const DesktopOptions& options, const std::function<void(DeviceHost&)>& install,
                               const std::wstring& program, std::ostream& err);

}  // namespace emu
