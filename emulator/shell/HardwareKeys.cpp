// The hardware keys: they reach a program that has taken the keys while its window is in
// the foreground; otherwise the shell runs the command assigned to the key.
#include <string>

#include <winreg.h>
#include <winuser.h>

#include "kernel/Device.h"
#include "registry/Registry.h"
#include "shell/Shell.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

constexpr std::wstring_view kKeysKey = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C";

bool is_hardware_key(UINT key) { return key >= VK_APP1 && key <= VK_APP5; }

}  // namespace

bool Shell::program_takes_keys() const {
    const WindowManager& windows = *device_.windows;
    const Window* foreground = windows.foreground();
    return windows.input_owner && foreground && foreground->thread &&
           foreground->thread->process == windows.input_owner;
}

// Key releases follow their presses; only a press is logged or runs anything.
bool Shell::filter_key(UINT virtual_key, bool down) {
    if (!is_hardware_key(virtual_key)) return false;
    bool to_program = program_takes_keys();
    if (down)
        device_.log.record("hardware-key", {{"vk", static_cast<long long>(virtual_key)},
                                            {"to", std::string(to_program ? "program" : "shell")}});
    if (to_program) return false;
    if (down) run_assigned_command(virtual_key);
    return true;
}

void Shell::run_assigned_command(UINT virtual_key) {
    if (!device_.registry) return;
    auto key = device_.registry->find(std::wstring(kKeysKey) + static_cast<wchar_t>(L'0' + virtual_key - 0xC0));
    const RegistryValue* value = key ? key->value(L"") : nullptr;
    if (!value || value->type != REG_SZ) return;
    auto command = string_of(value->data);
    if (!command.empty()) execute(command, L"");
}

}  // namespace emu
