// CreateProcess: starts an installed module or a built-in program as a new process;
// GetExitCodeProcess: how it ended.
#include <winbase.h>
#include <winerror.h>

#include "kernel/Device.h"
#include "shell/ProcessHandles.h"
#include "shell/Shell.h"

using namespace emu;

namespace {

void describe(Device& device, Process& process, PROCESS_INFORMATION& information) {
    information.hProcess = open_process_handle(device, process);
    information.hThread = open_kernel_handle(device, {KernelObject::Kind::Thread, process.main_thread});
    information.dwProcessId = process.id;
    information.dwThreadId = process.main_thread->id;
}

}  // namespace

extern "C" BOOL WINAPI CreateProcessW(LPCWSTR pszImageName, LPWSTR pszCmdLine, LPSECURITY_ATTRIBUTES,
                                      LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPWSTR, LPSTARTUPINFOW,
                                      LPPROCESS_INFORMATION pProcInfo) {
    Device* device = current_device();
    Shell* shell = current_shell();
    if (!shell || (!pszImageName && !pszCmdLine)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Without an image name the command line names the program first, then its arguments.
    CommandParts command = pszImageName ? CommandParts{pszImageName, pszCmdLine ? pszCmdLine : L""}
                                        : split_command(pszCmdLine);
    auto launch = shell->launcher().start(command.path, command.arguments);
    device->log.record("create-process",
                       {{"path", utf8(command.path)}, {"args", utf8(command.arguments)}, {"ok", launch.ok()}});
    if (!launch.ok()) {
        SetLastError(launch.error);
        return FALSE;
    }
    if (pProcInfo) describe(*device, *launch.process, *pProcInfo);
    return TRUE;
}

extern "C" BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
    Device* device = current_device();
    auto object = device ? device->objects.handles.get(hProcess) : nullptr;
    if (!object || object->kind != KernelObject::Kind::Process || !lpExitCode) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    *lpExitCode = object->process->ended ? static_cast<DWORD>(object->process->exit_code) : STILL_ACTIVE;
    return TRUE;
}
