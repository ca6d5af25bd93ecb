#include "frontend/desktop/HostControl.h"

#include <utility>

#include "device/DeviceStatus.h"
#include "frontend/desktop/Percent.h"
#include "shell/Shell.h"

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
    if (button == DeviceButton::Power) return toggle_power();
    host_.key(virtual_key(button));
    touched_ = true;
}

void HostControl::toggle_power() {
    host_.inspect([](Device& d) {
        if (d.shell) d.shell->powered() ? d.shell->power_off() : d.shell->power_on();
    });
    host_.wait_idle();
    touched_ = true;
}

void HostControl::toggle_mains() {
    auto& status = *host_.device().status;
    const bool online = status.current().ac_line == AcLine::Online;
    status.set_ac_line(online ? AcLine::Offline : AcLine::Online);
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
    case PanelControl::Mains: break;
    }
}

}  // namespace emu::desktop
