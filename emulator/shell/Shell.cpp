#include "shell/Shell.h"

#include "files/AppEvents.h"
#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "shell/StartMenu.h"
#include "window/WindowManager.h"

namespace emu {

Shell::Shell(Device& device) : device_(device), launcher_(device), icons_(device, launcher_), taskbar_(device) {
    if (!device.windows) return;
    device.windows->desktop_painter = [this](const Region& area) { taskbar_.paint(area); };
    device.windows->key_filter = [this](UINT key, bool down) { return filter_key(key, down); };
    device.windows->desktop_pressed = [this](POINT at) { desktop_pressed(at); };
    device.windows->foreground_changed = [this] { taskbar_.refresh(); };
    taskbar_.start_clock();
}

Launch Shell::execute(std::wstring_view file, std::wstring_view parameters) {
    auto launch = launcher_.open(file, parameters);
    device_.log.record("shell-execute", {{"file", utf8(file)}, {"ok", launch.ok()}});
    return launch;
}

void Shell::desktop_pressed(POINT at) {
    const RECT& start = Taskbar::kStartArea;
    const bool on_start = at.x >= start.left && at.x < start.right && at.y >= start.top && at.y < start.bottom;
    if (on_start && taskbar_.shown().taskbar && taskbar_.shown().start_icon)
        device_.start_process(std::wstring(kStartMenuProcess), [] { return run_start_menu(); });
}

void Shell::power_off() {
    if (!powered_) return;
    powered_ = false;
    switch_screen_and_input(false);
    device_.log.record("power", {{"state", std::string("off")}});
}

void Shell::power_on() {
    if (powered_) return;
    powered_ = true;
    switch_screen_and_input(true);
    device_.log.record("power", {{"state", std::string("on")}});
    for (const auto& application : registered_wakeup_apps(device_)) execute(application, L"");
}

// Off, the screen is dark and takes no taps, and the keys do nothing; on, the screen
// shows again what the programs last drew.
void Shell::switch_screen_and_input(bool on) {
    if (device_.gdi) device_.gdi->set_display_on(on);
    if (device_.windows) device_.windows->accepts_input = on;
}

Shell* current_shell() {
    Device* device = current_device();
    return device ? device->shell.get() : nullptr;
}

}  // namespace emu
