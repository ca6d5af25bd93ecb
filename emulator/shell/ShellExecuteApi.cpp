// ShellExecuteEx: opens a file, a shortcut or a command line as a tap in the shell would.
#include <shellapi.h>
#include <winbase.h>
#include <winerror.h>

#include "kernel/Device.h"
#include "shell/ProcessHandles.h"
#include "shell/Shell.h"

namespace {

// hInstApp reports the outcome in the older ShellExecute's terms: above 32 on success.
constexpr INT_PTR kExecuted = 33;
constexpr INT_PTR kFileNotFound = 2;   // SE_ERR_FNF
constexpr INT_PTR kNoAssociation = 31;  // SE_ERR_NOASSOC

HINSTANCE outcome(DWORD error) {
    INT_PTR code = error == ERROR_SUCCESS ? kExecuted : error == ERROR_NO_ASSOCIATION ? kNoAssociation : kFileNotFound;
    return reinterpret_cast<HINSTANCE>(code);
}

}  // namespace

extern "C" BOOL WINAPI ShellExecuteExW(LPSHELLEXECUTEINFOW lpExecInfo) {
    emu::Shell* shell = emu::current_shell();
    if (!shell || !lpExecInfo || !lpExecInfo->lpFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto launch = shell->execute(lpExecInfo->lpFile, lpExecInfo->lpParameters ? lpExecInfo->lpParameters : L"");
    lpExecInfo->hInstApp = outcome(launch.error);
    lpExecInfo->hProcess = nullptr;
    if (launch.process && (lpExecInfo->fMask & SEE_MASK_NOCLOSEPROCESS))
        lpExecInfo->hProcess = emu::open_process_handle(*emu::current_device(), *launch.process);
    if (!launch.ok()) SetLastError(launch.error);
    return launch.ok();
}
