#include "frontend/desktop/HostControl.h"

#include <ctime>
#include <utility>

#include "device/DeviceStatus.h"
#include "frontend/desktop/Percent.h"
#include "frontend/desktop/ScreenshotFile.h"

namespace emu::desktop {

bool HostControl::take_touched() { return std::exchange(touched_, false); }

void HostControl::stylus_down(Point screen) {
    host_.stylus_down(screen.x, screen.y);
    touched_ = true;
}

void HostControl::stylus_move(Point screen) {
    host_.stylus_move(screen.x, screen.y);
    touched_ = true;
}

void HostControl::stylus_up(Point screen) {
    host_.stylus_up(screen.x, screen.y);
    touched_ = true;
}

void HostControl::press(DeviceButton button) {
    if (button == DeviceButton::Power) host_.press_power_button();
    else host_.key(virtual_key(button));
    touched_ = true;
}

void HostControl::toggle_mains() {
    auto& status = *host_.device().status;
    const bool online = status.current().ac_line == AcLine::Online;
    status.set_ac_line(online ? AcLine::Offline : AcLine::Online);
    keep_settings();
}

void HostControl::set_level(PanelControl slider, int percent) {
    auto& status = *host_.device().status;
    switch (slider) {
    case PanelControl::Battery: status.set_battery(percent); break;
    case PanelControl::Memory: status.set_memory_load(percent); break;
    case PanelControl::Storage: {
        const auto size = status.current().store_size;
        status.set_store(size, percent_of(size, percent));
        break;
    }
    case PanelControl::Mains:
    case PanelControl::Screenshot: return;
    }
    keep_settings();
}

void HostControl::keep_settings() {
    auto& device = host_.device();
    save_device_settings(device.image_root, device.status->current(), device.log);
}

void HostControl::save_screenshot() {
    const auto file = screenshot_file(pictures_folder(), std::time(nullptr));
    const bool saved = host_.screenshot(file);
    host_.device().log.record(saved ? "screenshot" : "screenshot-failed", {{"file", file.string()}});
}

}  // namespace emu::desktop
