// What the emulated shell knows of a device's files, over desktop Win32's file system:
// its text shortcuts and the pictures it shows for files.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "shell/IconArt.h"
#include "shell/Shortcut.h"

namespace cecompat {

// The command of a Windows CE text shortcut ("NN#command"), or nothing when the file
// cannot be read or is malformed.
std::optional<std::wstring> shortcut_command(std::wstring_view path);

// The program or file a command names and its arguments; an unquoted command that names an
// existing file whole (spaces and all) is that file.
emu::CommandParts target_of(std::wstring_view command);

// The picture the emulated shell shows for a path: a folder's, a built-in program's, the
// target's for a shortcut, a document's otherwise; nothing for a missing path. With
// by_name the file is not looked at: `folder` says what it is.
std::optional<emu::IconArt> shell_picture(std::wstring_view path);
emu::IconArt shell_picture_by_name(std::wstring_view path, bool folder);

// A new icon of the picture, 16 x 16 when `small`, else 32 x 32, with its transparency.
HICON shell_icon(emu::IconArt art, bool small);

}  // namespace cecompat
