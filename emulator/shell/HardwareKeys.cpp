// The device's keys. The application keys reach a program that has taken the keys while
// its window is in the foreground; otherwise the shell runs the command assigned to the
// key. The direction pad and the action button go to the focus window. Every press is
// logged with where it went.
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

// The name of a key on the device's body, or null for a key the device has not.
const char* device_key_name(UINT key) {
    switch (key) {
    case VK_APP1: return "app1";
    case VK_APP2: return "app2";
    case VK_APP3: return "app3";
    case VK_APP4: return "app4";
    case VK_APP5: return "app5";
    case VK_UP: return "up";
    case VK_DOWN: return "down";
    case VK_LEFT: return "left";
    case VK_RIGHT: return "right";
    case VK_RETURN: return "action";
    default: return nullptr;
    }
}

}  // namespace

bool Shell::program_takes_keys() const {
    const WindowManager& windows = *device_.windows;
    const Window* foreground = windows.foreground();
    return windows.input_owner && foreground && foreground->thread &&
           foreground->thread->process == windows.input_owner;
}

void Shell::log_key(const char* name, long long virtual_key, const char* to) {
    device_.log.record("hardware-key",
                       {{"key", std::string(name)}, {"vk", virtual_key}, {"to", std::string(to)}});
}

// Key releases follow their presses; only a press is logged or runs anything. A key
// pressed while the device is off goes nowhere.
bool Shell::filter_key(UINT virtual_key, bool down) {
    const char* name = device_key_name(virtual_key);
    if (!name) return false;
    const WindowManager& windows = *device_.windows;
    const bool to_shell = windows.accepts_input && is_hardware_key(virtual_key) && !program_takes_keys();
    const bool to_program = windows.accepts_input && !to_shell && windows.key_target();
    if (down) log_key(name, virtual_key, to_shell ? "shell" : to_program ? "program" : "nowhere");
    if (!to_shell) return false;
    if (down) run_assigned_command(virtual_key);
    return true;
}

void Shell::press_power_button() {
    log_key("power", 0, "shell");
    powered_ ? power_off() : power_on();
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
