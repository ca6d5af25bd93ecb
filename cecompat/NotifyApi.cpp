// CeRunAppAtEvent over desktop Win32: the registrations go to the image's
// .device\notifications.txt in the emulator's format, "<event number> <application>" a line
// in UTF-8, so that both keep the same file. A desktop has no wake-up to run them at.
#include <notify.h>

#include <string>
#include <vector>

#include "DeviceImage.h"
#include "kernel/SameName.h"
#include "kernel/Utf8.h"

namespace {

struct Registration {
    long event;
    std::wstring application;
};

std::wstring notifications_file() { return cecompat::device_file(L"notifications.txt"); }

std::vector<Registration> read_registrations() {
    std::vector<Registration> registrations;
    FILE* file = _wfopen(notifications_file().c_str(), L"rb");
    if (!file) return registrations;
    char line[1024];
    while (fgets(line, sizeof line, file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        auto space = text.find(' ');
        if (space == std::string::npos || space == 0) continue;
        registrations.push_back({std::stol(text.substr(0, space)), emu::widen_utf8(text.substr(space + 1))});
    }
    fclose(file);
    return registrations;
}

// Written whole to a temporary file, then put in place in one step.
bool save(const std::vector<Registration>& registrations) {
    const auto path = notifications_file();
    const auto temporary = path + L".tmp";
    CreateDirectoryW(cecompat::device_file(L"").c_str(), nullptr);
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (!file) return false;
    for (const auto& registration : registrations)
        fprintf(file, "%ld %s\n", registration.event, emu::utf8(registration.application).c_str());
    bool written = fclose(file) == 0;
    return written && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool valid_application(const WCHAR* name) {
    return name && *name && std::wstring_view(name).find_first_of(L"\r\n") == std::wstring_view::npos;
}

}  // namespace

extern "C" BOOL WINAPI CeRunAppAtEvent(WCHAR* pwszAppName, LONG lWhichEvent) {
    bool known_event = lWhichEvent >= NOTIFICATION_EVENT_NONE && lWhichEvent <= NOTIFICATION_EVENT_LAST;
    if (!valid_application(pwszAppName) || !known_event) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto registrations = read_registrations();
    std::erase_if(registrations, [&](const Registration& r) {
        return emu::same_name(r.application, pwszAppName) &&
               (lWhichEvent == NOTIFICATION_EVENT_NONE || r.event == lWhichEvent);
    });
    if (lWhichEvent != NOTIFICATION_EVENT_NONE) registrations.push_back({lWhichEvent, pwszAppName});
    return save(registrations);
}
