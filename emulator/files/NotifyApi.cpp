// CeRunAppAtEvent, over the registrations kept in the device image.
#include <string_view>

#include <winbase.h>
#include <winerror.h>
#include <notify.h>

#include "files/AppEvents.h"
#include "kernel/Device.h"

namespace {

// The registrations are kept one a line, so an application name may not hold a line break.
bool valid_application(const WCHAR* name) {
    return name && *name && std::wstring_view(name).find_first_of(L"\r\n") == std::wstring_view::npos;
}

}  // namespace

extern "C" BOOL WINAPI CeRunAppAtEvent(WCHAR* pwszAppName, LONG lWhichEvent) {
    auto device = emu::current_device();
    bool known_event = lWhichEvent >= NOTIFICATION_EVENT_NONE && lWhichEvent <= NOTIFICATION_EVENT_LAST;
    if (!device || !valid_application(pwszAppName) || !known_event) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (emu::run_app_at_event(*device, pwszAppName, lWhichEvent)) return TRUE;
    SetLastError(ERROR_CANTWRITE);
    return FALSE;
}
