#pragma once
#include <string_view>
#include <vector>

#include <windef.h>

#include "shell/FileIcons.h"
#include "shell/Launcher.h"
#include "shell/OpenMessageBox.h"
#include "shell/Taskbar.h"

namespace emu {

class Device;

// The device's shell: it opens files and starts programs, knows the icons of files,
// paints the desktop with its taskbar, opens the Start menu, runs the commands assigned to the hardware keys
// and, at power-on, the programs registered for the wake-up event. Built after the
// window system, whose desktop painter and key filter it takes over.
class Shell {
public:
    explicit Shell(Device& device);
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    Launcher& launcher() { return launcher_; }
    FileIcons& icons() { return icons_; }
    Taskbar& taskbar() { return taskbar_; }
    // The message boxes on the screen, the newest last.
    std::vector<OpenMessageBox>& message_boxes() { return message_boxes_; }

    // ShellExecuteEx's work, logged as "shell-execute".
    Launch execute(std::wstring_view file, std::wstring_view parameters);

    // A stylus press on the desktop, where no window is: on the taskbar's Start logo it
    // opens the Start menu (see StartMenu.h).
    void desktop_pressed(POINT at);

    // The window manager's key filter: an application key goes to a program that took the
    // keys while its window is in front (false: deliver it), else the shell runs the key's
    // assigned command (true: taken). Other keys pass. Each press of a key on the device's
    // body is logged as "hardware-key" with where it went: "program", "shell" or "nowhere"
    // (the device is off, or no window takes it).
    bool filter_key(UINT virtual_key, bool down);
    // The power button: switches the device off, or on; logged as a hardware key.
    void press_power_button();

    // Power state. Off, the screen is dark and input is dropped; switching on shows the
    // screen as it was, then runs the wake-up registrations.
    void power_off();
    void power_on();
    bool powered() const { return powered_; }

private:
    void switch_screen_and_input(bool on);
    bool program_takes_keys() const;
    void run_assigned_command(UINT virtual_key);
    void log_key(const char* name, long long virtual_key, const char* to);

    Device& device_;
    Launcher launcher_;
    FileIcons icons_;
    Taskbar taskbar_;
    std::vector<OpenMessageBox> message_boxes_;
    bool powered_ = true;
};

// The shell of the calling thread's device, or null.
Shell* current_shell();

}  // namespace emu
