#include "shell/Launcher.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <winerror.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "shell/BuiltinPrograms.h"
#include "shell/ProgramWindow.h"

namespace emu {

namespace {

// A shortcut is a line of text; anything larger is not one.
constexpr std::size_t kLargestShortcut = 4096;
constexpr std::wstring_view kWindowsFolder = L"\\Windows\\";

std::wstring joined(std::wstring_view first, std::wstring_view second) {
    if (first.empty() || second.empty()) return std::wstring(first.empty() ? second : first);
    return std::wstring(first) + L" " + std::wstring(second);
}

std::wstring in_quotes(std::wstring_view path) { return L"\"" + std::wstring(path) + L"\""; }

std::string read_at_most(int descriptor, std::size_t limit) {
    std::string bytes(limit, '\0');
    std::size_t size = 0;
    while (size < limit) {
        auto count = ::read(descriptor, &bytes[size], limit - size);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        size += static_cast<std::size_t>(count);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace

std::wstring Launcher::qualified(std::wstring_view path) {
    if (path.empty() || path.front() == L'\\' || path.front() == L'/') return std::wstring(path);
    return std::wstring(kWindowsFolder) + std::wstring(path);
}

const Module* Launcher::installed(std::wstring_view path) const {
    const Module* module = device_.find_module(qualified(path));
    return module && module->entry ? module : nullptr;
}

Location Launcher::locate(std::wstring_view path) const {
    if (!device_.files || path.empty()) return {};
    auto resolved = device_.files->resolve(qualified(path));
    if (!resolved) return {};
    struct stat status = resolved.entry_status;
    if (!resolved.entry_status_known && ::stat(resolved.host.c_str(), &status) != 0) return {};
    auto kind = S_ISDIR(status.st_mode) ? Location::Kind::Folder : Location::Kind::File;
    auto changed_ns = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return {kind, std::move(resolved.host), std::move(resolved.device_path), static_cast<std::uint64_t>(status.st_size),
            changed_ns};
}

std::optional<std::wstring> Launcher::shortcut_command(const Location& shortcut) {
    if (shortcut.kind != Location::Kind::File) return std::nullopt;
    auto& read = shortcuts_[shortcut.host];
    if (read.size == shortcut.size && read.changed_ns == shortcut.changed_ns && read.changed_ns) return read.command;
    // Read through the file system, which opens only regular files: a FIFO in a
    // shortcut's place would otherwise hold the device for ever.
    int descriptor = -1;
    std::string bytes;
    if (device_.files->open_descriptor(shortcut.device_path, GENERIC_READ, OPEN_EXISTING, descriptor) == ERROR_SUCCESS) {
        bytes = read_at_most(descriptor, kLargestShortcut);
        ::close(descriptor);
    }
    read = {shortcut.size, shortcut.changed_ns, parse_shortcut(bytes)};
    return read.command;
}

CommandParts Launcher::target_of(std::wstring_view command) const {
    auto parts = split_command(command);
    auto first = command.find_first_not_of(L' ');
    if (first == std::wstring_view::npos || command[first] == L'"' || parts.arguments.empty()) return parts;
    std::wstring whole(command.substr(first, command.find_last_not_of(L' ') - first + 1));
    if (installed(whole) || locate(whole).kind != Location::Kind::Missing) return {whole, L""};
    return parts;
}

Launch Launcher::open(std::wstring_view command, std::wstring_view parameters) {
    auto target = target_of(command);
    return open_path(target.path, joined(target.arguments, parameters), 0);
}

Launch Launcher::open_path(const std::wstring& path, std::wstring_view arguments, int depth) {
    if (installed(path)) return start(path, arguments);
    auto location = locate(path);
    if (location.kind == Location::Kind::Missing) return {ERROR_FILE_NOT_FOUND};
    if (location.kind == Location::Kind::Folder) return start(L"fexplore.exe", in_quotes(location.device_path));
    auto extension = extension_of(path);
    if (same_name(extension, L".lnk")) {
        auto command = shortcut_command(location);
        if (!command || depth >= kDeepestShortcutChain) return {ERROR_BAD_FORMAT};
        auto target = target_of(*command);
        return open_path(target.path, joined(target.arguments, arguments), depth + 1);
    }
    if (same_name(extension, L".exe")) return start(path, arguments);
    auto program = program_for_document(extension);
    if (program.empty()) return {ERROR_NO_ASSOCIATION};
    return start(program, in_quotes(location.device_path));
}

Launch Launcher::start(std::wstring_view path, std::wstring_view arguments) {
    if (auto module = installed(path)) return {ERROR_SUCCESS, &device_.start_process(*module, std::wstring(arguments))};
    auto location = locate(path);
    if (location.kind != Location::Kind::File) return {ERROR_FILE_NOT_FOUND};
    if (!find_builtin_program(path)) return {ERROR_BAD_FORMAT};
    return start_builtin(location.device_path, arguments);
}

Launch Launcher::start_builtin(const std::wstring& path, std::wstring_view arguments) {
    const BuiltinProgram& program = *find_builtin_program(path);
    ProgramWindowContent content{std::wstring(program.display_name), path, std::wstring(arguments)};
    if (same_name(program.file_name, kControlPanelHost)) {
        auto applet = control_panel_applet(arguments);
        auto name = applet ? control_panel_applet_name(*applet) : std::wstring_view();
        if (!name.empty()) {
            content.title = name;
            content.detail.clear();
            device_.log.record("control-panel", {{"applet", static_cast<long long>(*applet)}, {"name", utf8(name)}});
        }
    }
    return {ERROR_SUCCESS, &device_.start_process(path, [content] { return run_program_window(content); })};
}

}  // namespace emu
