#include "device/Backlight.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include <winreg.h>

#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "registry/Registry.h"

namespace emu {

namespace {

const wchar_t kChangeEvent[] = L"BackLightChangeEvent";
const wchar_t kSettingsKey[] = L"HKEY_CURRENT_USER\\ControlPanel\\Backlight";
const DWORD kFullLevel = 4;
const int kPercentAtLevel[] = {15, 40, 60, 80, 100};

struct BacklightSetting {
    bool on;
    DWORD level;
};

DWORD dword_value(const RegistryKey* key, const wchar_t* name, DWORD missing) {
    const RegistryValue* value = key ? key->value(name) : nullptr;
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return missing;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof number);
    return number;
}

BacklightSetting read_setting(const Device& device) {
    const RegistryKey* key = device.registry ? device.registry->find(kSettingsKey) : nullptr;
    DWORD on_off = dword_value(key, L"OnOff", 1);
    DWORD level = dword_value(key, L"Brightness", kFullLevel);
    return {on_off != 0 && level != 0, level};
}

BacklightSetting apply(Device& device) {
    BacklightSetting setting = read_setting(device);
    if (device.gdi) device.gdi->set_brightness(backlight_percent(setting.on, setting.level));
    return setting;
}

}  // namespace

int backlight_percent(bool on, DWORD level) {
    if (!on || level == 0) return kPercentAtLevel[0];
    return kPercentAtLevel[std::min<DWORD>(level, std::size(kPercentAtLevel) - 1)];
}

void install_backlight(Device& device) {
    apply(device);
    device.objects.set_hooks.push_back([&device](const EventState& event) {
        if (event.name != kChangeEvent) return;
        BacklightSetting setting = apply(device);
        device.log.record("backlight", {{"on", setting.on}, {"level", static_cast<long long>(setting.level)}});
    });
}

}  // namespace emu
