#pragma once
#include "frontend/desktop/DeviceButton.h"
#include "frontend/desktop/Geometry.h"
#include "frontend/desktop/PanelLayout.h"

namespace emu::desktop {

// What the window's input does to the device. The desktop drives the device host through
// it; tests put a recorder in its place.
class DeviceControl {
public:
    virtual ~DeviceControl() = default;

    // Stylus events in screen coordinates, which lie outside the screen when a held stylus
    // is dragged off it.
    virtual void stylus_down(Point screen) = 0;
    virtual void stylus_move(Point screen) = 0;
    virtual void stylus_up(Point screen) = 0;
    // A hardware button pressed: a key goes to the device pressed and released; the power
    // button switches the device off or on.
    virtual void press(DeviceButton button) = 0;
    virtual void toggle_mains() = 0;
    // A slider of the panel set to `percent` (0 to 100).
    virtual void set_level(PanelControl slider, int percent) = 0;
    // Saves the device's screen as a picture.
    virtual void save_screenshot() = 0;
};

}  // namespace emu::desktop
