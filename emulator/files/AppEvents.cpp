#include "files/AppEvents.h"

#include <algorithm>
#include <sstream>

#include <notify.h>

#include "kernel/Device.h"
#include "kernel/KeptFile.h"

namespace emu {

namespace {

std::filesystem::path file_of(const Device& device) {
    return device.image_root / ".device" / "notifications.txt";
}

bool save(Device& device, const std::vector<AppEventRegistration>& registrations) {
    std::string text;
    for (const auto& registration : registrations)
        text += std::to_string(registration.event) + ' ' + utf8(registration.application) + '\n';
    return save_kept_file(file_of(device), text, device.log);
}

}  // namespace

bool read_app_event_registrations(const Device& device, std::vector<AppEventRegistration>& registrations,
                                  std::string& error) {
    auto content = read_kept_file(file_of(device));
    error = content.error;
    std::istringstream in(content.bytes);
    long event;
    std::string application;
    while (in >> event && in.get() == ' ' && std::getline(in, application))
        registrations.push_back({event, widen_utf8(application)});
    return error.empty();
}

std::vector<AppEventRegistration> app_event_registrations(const Device& device) {
    std::vector<AppEventRegistration> registrations;
    std::string error;
    read_app_event_registrations(device, registrations, error);
    return registrations;
}

bool run_app_at_event(Device& device, std::wstring_view application, long event) {
    std::vector<AppEventRegistration> registrations;
    std::string error;
    if (!read_app_event_registrations(device, registrations, error)) {
        device.log.record("save-failed", {{"file", file_of(device).string()}, {"reason", error}});
        return false;
    }
    auto same = [&](const AppEventRegistration& r) {
        return same_name(r.application, application) && (event == NOTIFICATION_EVENT_NONE || r.event == event);
    };
    std::erase_if(registrations, same);
    if (event != NOTIFICATION_EVENT_NONE) registrations.push_back({event, std::wstring(application)});
    device.log.record("run-app-at-event", {{"app", utf8(application)}, {"event", static_cast<long long>(event)}});
    return save(device, registrations);
}

std::vector<std::wstring> registered_wakeup_apps(const Device& device) {
    std::vector<std::wstring> applications;
    for (const auto& registration : app_event_registrations(device))
        if (registration.event == NOTIFICATION_EVENT_WAKEUP) applications.push_back(registration.application);
    return applications;
}

}  // namespace emu
