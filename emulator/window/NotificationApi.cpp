// Message boxes and beeps: logged, and answered at once while no one looks at the screen.
#include "window/ApiSupport.h"

using namespace emu;

extern "C" {

int WINAPI MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    auto device = current_device();
    if (!device) return 0;
    device->log.record("message-box", {{"text", utf8(text ? text : L"")},
                                       {"caption", utf8(caption ? caption : L"Error")},
                                       {"style", static_cast<long long>(type)}});
    // FIXME: the desktop front-end should draw the box and wait for its OK; until then every
    // front-end answers it at once, as the headless runner and tests do.
    return IDOK;
}

BOOL WINAPI MessageBeep(UINT type) {
    auto device = current_device();
    if (!device) return FALSE;
    device->log.record("beep", {{"type", static_cast<long long>(type)}});
    return TRUE;
}

}  // extern "C"
