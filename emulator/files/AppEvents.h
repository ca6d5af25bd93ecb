#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace emu {

class Device;

// Applications registered to run when a system event occurs (CeRunAppAtEvent). They live
// in the device image, in <image>/.device/notifications.txt, one registration a line:
//   <event number> <application command>
// e.g. "11 "\Windows\Start Menu\Tesselink.lnk"" for the wake-up event.
struct AppEventRegistration {
    long event;
    std::wstring application;
};

// The registrations; false with `error` set when the file is there but cannot be read.
bool read_app_event_registrations(const Device& device, std::vector<AppEventRegistration>& registrations,
                                  std::string& error);
std::vector<AppEventRegistration> app_event_registrations(const Device& device);

// Adds a registration, or with event 0 (none) removes every registration of the
// application (compared without regard to case), and saves the file. Logs
// "run-app-at-event"; false when the file could not be read (it is then left as it is)
// or saved.
bool run_app_at_event(Device& device, std::wstring_view application, long event);

// The applications to run at the next power-on, in registration order.
std::vector<std::wstring> registered_wakeup_apps(const Device& device);

}  // namespace emu
