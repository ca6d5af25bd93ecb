#include "shell/Launcher.h"

#include <fstream>

#include <winerror.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "shell/BuiltinPrograms.h"
#include "shell/ProgramWindow.h"

namespace emu {

namespace {

// Shortcuts pointing at shortcuts are followed this deep; a loop ends here.
constexpr int kDeepestShortcutChain = 8;
// A shortcut is a line of text; anything larger is not one.
constexpr std::streamsize kLargestShortcut = 4096;
constexpr std::wstring_view kWindowsFolder = L"\\Windows\\";

std::wstring joined(std::wstring_view first, std::wstring_view second) {
    if (first.empty() || second.empty()) return std::wstring(first.empty() ? second : first);
    return std::wstring(first) + L" " + std::wstring(second);
}

std::wstring in_quotes(std::wstring_view path) { return L"\"" + std::wstring(path) + L"\""; }

}  // namespace

std::wstring Launcher::qualified(std::wstring_view path) {
    if (path.empty() || path.front() == L'\\' || path.front() == L'/') return std::wstring(path);
    return std::wstring(kWindowsFolder) + std::wstring(path);
}

const Module* Launcher::installed(std::wstring_view path) const {
    const Module* module = device_.find_module(qualified(path));
    return module && module->entry ? module : nullptr;
}

bool Launcher::exists(std::wstring_view path) const {
    DWORD attributes = 0;
    if (installed(path)) return true;
    return device_.files && device_.files->get_attributes(qualified(path), attributes) == ERROR_SUCCESS;
}

bool Launcher::is_folder(std::wstring_view path) const {
    DWORD attributes = 0;
    return device_.files && device_.files->get_attributes(qualified(path), attributes) == ERROR_SUCCESS &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::wstring> Launcher::shortcut_command(std::wstring_view path) const {
    if (!device_.files || !exists(path) || is_folder(path)) return std::nullopt;
    auto resolved = device_.files->resolve(qualified(path));
    if (!resolved) return std::nullopt;
    std::ifstream in(resolved.host, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(kLargestShortcut), '\0');
    in.read(bytes.data(), kLargestShortcut);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parse_shortcut(bytes);
}

CommandParts Launcher::target_of(std::wstring_view command) const {
    auto parts = split_command(command);
    auto first = command.find_first_not_of(L' ');
    if (first == std::wstring_view::npos || command[first] == L'"' || parts.arguments.empty()) return parts;
    std::wstring whole(command.substr(first, command.find_last_not_of(L' ') - first + 1));
    if (exists(whole)) return {whole, L""};
    return parts;
}

Launch Launcher::open(std::wstring_view command, std::wstring_view parameters) {
    auto target = target_of(command);
    return open_path(target.path, joined(target.arguments, parameters), 0);
}

Launch Launcher::open_path(const std::wstring& path, std::wstring_view arguments, int depth) {
    if (path.empty() || !exists(path)) return {ERROR_FILE_NOT_FOUND};
    if (is_folder(path)) return start(L"fexplore.exe", in_quotes(qualified(path)));
    auto extension = extension_of(path);
    if (same_name(extension, L".lnk")) {
        auto command = shortcut_command(path);
        if (!command || depth >= kDeepestShortcutChain) return {ERROR_BAD_FORMAT};
        auto target = target_of(*command);
        return open_path(target.path, joined(target.arguments, arguments), depth + 1);
    }
    if (same_name(extension, L".exe")) return start(path, arguments);
    auto program = program_for_document(extension);
    if (program.empty()) return {ERROR_NO_ASSOCIATION};
    return start(program, in_quotes(qualified(path)));
}

Launch Launcher::start(std::wstring_view path, std::wstring_view arguments) {
    if (auto module = installed(path)) return {ERROR_SUCCESS, &device_.start_process(*module, std::wstring(arguments))};
    if (!exists(path) || is_folder(path)) return {ERROR_FILE_NOT_FOUND};
    if (!find_builtin_program(path)) return {ERROR_BAD_FORMAT};
    return start_builtin(device_.files->resolve(qualified(path)).device_path, arguments);
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
