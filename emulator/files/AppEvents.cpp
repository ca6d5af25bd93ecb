#include "files/AppEvents.h"

#include <algorithm>
#include <fstream>

#include <notify.h>

#include "kernel/Device.h"

namespace emu {

namespace {

std::filesystem::path file_of(const Device& device) {
    return device.image_root / ".device" / "notifications.txt";
}

void save(const Device& device, const std::vector<AppEventRegistration>& registrations) {
    auto file = file_of(device);
    auto temporary = file;
    temporary += ".tmp";
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& registration : registrations)
            out << registration.event << ' ' << utf8(registration.application) << '\n';
    }
    std::filesystem::rename(temporary, file, error);
}

}  // namespace

std::vector<AppEventRegistration> app_event_registrations(const Device& device) {
    std::vector<AppEventRegistration> registrations;
    std::ifstream in(file_of(device));
    long event;
    std::string application;
    while (in >> event && in.get() == ' ' && std::getline(in, application))
        registrations.push_back({event, widen_utf8(application)});
    return registrations;
}

void run_app_at_event(Device& device, std::wstring_view application, long event) {
    auto registrations = app_event_registrations(device);
    auto same = [&](const AppEventRegistration& r) {
        return same_name(r.application, application) && (event == NOTIFICATION_EVENT_NONE || r.event == event);
    };
    std::erase_if(registrations, same);
    if (event != NOTIFICATION_EVENT_NONE) registrations.push_back({event, std::wstring(application)});
    save(device, registrations);
    device.log.record("run-app-at-event", {{"app", utf8(application)}, {"event", static_cast<long long>(event)}});
}

std::vector<std::wstring> registered_wakeup_apps(const Device& device) {
    std::vector<std::wstring> applications;
    for (const auto& registration : app_event_registrations(device))
        if (registration.event == NOTIFICATION_EVENT_WAKEUP) applications.push_back(registration.application);
    return applications;
}

}  // namespace emu
