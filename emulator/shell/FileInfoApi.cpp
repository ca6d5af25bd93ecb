// SHGetFileInfo: the shell's icon and display name of a file.
#include <algorithm>
#include <optional>
#include <string>

#include <fileapi.h>
#include <shellapi.h>
#include <winbase.h>
#include <winerror.h>

#include "kernel/Device.h"
#include "shell/BuiltinPrograms.h"
#include "shell/Shell.h"

using namespace emu;

namespace {

// With SHGFI_SYSICONINDEX the answer is the system image list, which iIcon indexes; the
// shell does not hand the list out as an object, so any non-zero value names it.
constexpr DWORD_PTR kSystemImageList = 0x51C0;
constexpr UINT kAnsweredFlags = SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_LARGEICON |
                                SHGFI_DISPLAYNAME | SHGFI_USEFILEATTRIBUTES | SHGFI_SHELLICONSIZE;

std::optional<FileIcons::Choice> choose(Shell& shell, LPCWSTR path, DWORD attributes, UINT flags) {
    if (flags & SHGFI_USEFILEATTRIBUTES)
        return shell.icons().choose_by_name(path, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    return shell.icons().choose(path);
}

// A shortcut shows its name without the ".lnk".
void copy_display_name(std::wstring_view path, WCHAR (&name)[MAX_PATH]) {
    auto shown = file_name_of(path);
    if (same_name(extension_of(shown), L".lnk")) shown.remove_suffix(4);
    auto length = std::min<std::size_t>(shown.size(), MAX_PATH - 1);
    std::copy_n(shown.begin(), length, name);
    name[length] = 0;
}

}  // namespace

extern "C" DWORD_PTR WINAPI SHGetFileInfoW(LPCWSTR pszPath, DWORD dwFileAttributes, SHFILEINFOW* psfi, UINT,
                                           UINT uFlags) {
    Shell* shell = current_shell();
    if (!shell || !pszPath || (!psfi && (uFlags & (SHGFI_ICON | SHGFI_DISPLAYNAME)))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (uFlags & ~kAnsweredFlags)
        current_device()->log.record("fixme", {{"call", std::string("SHGetFileInfo")},
                                               {"detail", "flags answered in part: " + std::to_string(uFlags)}});
    auto choice = choose(*shell, pszPath, dwFileAttributes, uFlags);
    if (!choice) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    if (psfi) {
        psfi->iIcon = choice->index();
        if (uFlags & SHGFI_ICON) psfi->hIcon = shell->icons().icon(*choice, (uFlags & SHGFI_SMALLICON) != 0);
        if (uFlags & SHGFI_DISPLAYNAME) copy_display_name(pszPath, psfi->szDisplayName);
    }
    return (uFlags & SHGFI_SYSICONINDEX) ? kSystemImageList : 1;
}
