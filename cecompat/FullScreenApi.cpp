// SHFullScreen over desktop Win32: a desktop has no Pocket PC taskbar, input-panel button or
// start icon to show or hide, so the request succeeds for a window and changes nothing.
#include <aygshell.h>

extern "C" BOOL WINAPI SHFullScreen(HWND hwndRequester, DWORD) { return IsWindow(hwndRequester); }
