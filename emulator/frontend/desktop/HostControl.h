#pragma once
#include "frontend/desktop/DeviceControl.h"
#include "host/DeviceHost.h"

namespace emu::desktop {

// The window's input applied to a running device. Every call returns once the device is
// idle again, so the next frame shows what the input caused. The power button switches
// the device off and on; while off, the device itself drops the rest. What the panel sets
// is kept in the device's settings file for the next start.
class HostControl : public DeviceControl {
public:
    explicit HostControl(DeviceHost& host) : host_(host) {}

    void stylus_down(Point screen) override;
    void stylus_move(Point screen) override;
    void stylus_up(Point screen) override;
    void press(DeviceButton button) override;
    void toggle_mains() override;
    void set_level(PanelControl slider, int percent) override;
    // Saves the screen as it looks (backlight included) in the pictures folder; logged as
    // "screenshot" with the file, or "screenshot-failed".
    void save_screenshot() override;

    // Whether input reached the device since the last call, so its screen may have changed.
    bool take_touched();

private:
    void keep_settings();

    DeviceHost& host_;
    bool touched_ = false;
};

}  // namespace emu::desktop
