#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <windef.h>

#include "shell/Shortcut.h"

namespace emu {

class Device;
struct Module;
struct Process;

// The outcome of opening a file or starting a program: a Win32 error code, and the
// process that was started, if any.
struct Launch {
    DWORD error = 0;
    Process* process = nullptr;

    bool ok() const { return error == 0; }
};

// Where a device path leads in the image: nowhere, a file or a folder, and the file's
// version (its size and time of change), by which the shell knows a file it has read.
struct Location {
    enum class Kind { Missing, File, Folder } kind = Kind::Missing;
    std::filesystem::path host;
    std::wstring device_path;  // spelled as the files are
    std::uint64_t size = 0;
    std::int64_t changed_ns = 0;
};

// Opens files and starts programs as the shell does. A program is an installed module
// (its entry function runs again as a new process) or one of the shell's built-in
// programs; a shortcut opens its command, a folder opens in the file explorer, a
// document with the program its type belongs to. Names without a folder are looked up
// in \Windows. Runs on any thread that holds the device lock, and never runs program
// code itself: started programs run on their own device threads.
class Launcher {
public:
    // Shortcuts pointing at shortcuts are followed this deep; a loop ends here.
    static constexpr int kDeepestShortcutChain = 8;

    explicit Launcher(Device& device) : device_(device) {}

    // ShellExecuteEx: `command` may be quoted and carry arguments; `parameters` follow them.
    Launch open(std::wstring_view command, std::wstring_view parameters);
    // CreateProcess: `path` names the program itself.
    Launch start(std::wstring_view path, std::wstring_view arguments);

    Location locate(std::wstring_view path) const;
    // The installed module at a path that can run (not a built-in program's), or null.
    // It counts as a file whether or not the image holds one.
    const Module* installed(std::wstring_view path) const;
    // The command of a shortcut file, or nothing when it cannot be read or is malformed.
    // A file is read again only when it has changed, since the strip asks on every paint.
    std::optional<std::wstring> shortcut_command(const Location& shortcut);
    // The program or file a command names, and its arguments; an unquoted command that
    // names an existing file whole (spaces and all) is that file.
    CommandParts target_of(std::wstring_view command) const;
    // A name without a folder ("calc.exe") is looked up in \Windows.
    static std::wstring qualified(std::wstring_view path);

private:
    Launch open_path(const std::wstring& path, std::wstring_view arguments, int depth);
    Launch start_builtin(const std::wstring& path, std::wstring_view arguments);

    struct ReadShortcut {
        std::uint64_t size;
        std::int64_t changed_ns;
        std::optional<std::wstring> command;
    };

    Device& device_;
    std::map<std::filesystem::path, ReadShortcut> shortcuts_;
};

}  // namespace emu
