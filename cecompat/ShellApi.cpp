// The shell's calls with the emulated shell's knowledge of the device's files: its text
// shortcuts, and the pictures it shows for files.
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "LinkWraps.h"
#include "ShellFiles.h"
#include "kernel/SameName.h"
#include "shell/BuiltinPrograms.h"

CECOMPAT_REAL_IMPORT(ShellExecuteExW);

namespace {

// With SHGFI_SYSICONINDEX the answer is the system image list, which iIcon indexes; as on
// the emulated device, any non-zero value names it.
constexpr DWORD_PTR kSystemImageList = 0x51C0;
constexpr int kDeepestShortcutChain = 8;

// A shortcut shows its name without the ".lnk".
void copy_display_name(std::wstring_view path, WCHAR (&name)[MAX_PATH]) {
    auto shown = emu::file_name_of(path);
    if (emu::same_name(emu::extension_of(shown), L".lnk")) shown.remove_suffix(4);
    auto length = std::min<std::size_t>(shown.size(), MAX_PATH - 1);
    std::copy_n(shown.begin(), length, name);
    name[length] = 0;
}

// Wrapped: desktop Win32's shell reads neither Windows CE's text shortcuts nor the
// pictures of the device's built-in programs; this answers as the emulated shell does.
DWORD_PTR WINAPI device_file_info(LPCWSTR pszPath, DWORD dwFileAttributes, SHFILEINFOW* psfi, UINT, UINT uFlags) {
    if (!pszPath || (!psfi && (uFlags & (SHGFI_ICON | SHGFI_DISPLAYNAME)))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto picture = (uFlags & SHGFI_USEFILEATTRIBUTES)
                       ? cecompat::shell_picture_by_name(pszPath, (dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                       : cecompat::shell_picture(pszPath);
    if (!picture) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    if (psfi) {
        psfi->iIcon = static_cast<int>(*picture);
        if (uFlags & SHGFI_ICON) psfi->hIcon = cecompat::shell_icon(*picture, (uFlags & SHGFI_SMALLICON) != 0);
        if (uFlags & SHGFI_DISPLAYNAME) copy_display_name(pszPath, psfi->szDisplayName);
    }
    return (uFlags & SHGFI_SYSICONINDEX) ? kSystemImageList : 1;
}

std::wstring joined(std::wstring_view first, std::wstring_view second) {
    if (first.empty()) return std::wstring(second);
    if (second.empty()) return std::wstring(first);
    return std::wstring(first) + L" " + std::wstring(second);
}

// Wrapped: lpFile may be a command line, quoted and with arguments, as on Windows CE, and a
// text shortcut opens its command. What the command names opens as desktop Win32 opens it:
// the image's built-in programs are placeholders that only the emulated shell can run, so
// opening one fails here with desktop Win32's error.
BOOL WINAPI device_shell_execute(LPSHELLEXECUTEINFOW lpExecInfo) {
    if (!lpExecInfo || !lpExecInfo->lpFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto target = cecompat::target_of(lpExecInfo->lpFile);
    auto arguments = joined(target.arguments, lpExecInfo->lpParameters ? lpExecInfo->lpParameters : L"");
    for (int depth = 0; emu::same_name(emu::extension_of(target.path), L".lnk"); ++depth) {
        auto command = cecompat::shortcut_command(target.path);
        if (!command || depth >= kDeepestShortcutChain) {
            SetLastError(command ? ERROR_BAD_FORMAT : ERROR_FILE_NOT_FOUND);
            return FALSE;
        }
        auto next = cecompat::target_of(*command);
        arguments = joined(next.arguments, arguments);
        target = std::move(next);
    }
    SHELLEXECUTEINFOW opened = *lpExecInfo;
    opened.lpFile = target.path.c_str();
    opened.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    BOOL ok = CECOMPAT_REAL(ShellExecuteExW)(&opened);
    lpExecInfo->hInstApp = opened.hInstApp;
    lpExecInfo->hProcess = opened.hProcess;
    return ok;
}

}  // namespace

CECOMPAT_WRAP(SHGetFileInfoW, device_file_info);
CECOMPAT_WRAP(ShellExecuteExW, device_shell_execute);
