// SHFullScreen: a window asks the shell to hide or show its bars while it is in front.
#include <aygshell.h>
#include <winbase.h>
#include <winerror.h>

#include "shell/Shell.h"

extern "C" BOOL WINAPI SHFullScreen(HWND hwndRequester, DWORD dwState) {
    emu::Shell* shell = emu::current_shell();
    if (!shell || !shell->taskbar().request(hwndRequester, dwState)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
