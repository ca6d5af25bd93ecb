#pragma once
#include <optional>
#include <variant>

#include "frontend/desktop/DesktopLayout.h"
#include "frontend/desktop/DeviceControl.h"

namespace emu::desktop {

// A slider being dragged and the value it shows; the device gets it on release, so that
// a drag leaves one change in the device's log rather than one per step.
struct SliderDrag {
    PanelControl slider;
    int percent;

    bool operator==(const SliderDrag&) const = default;
};

// Turns the window's mouse and keyboard into device input. A mouse press decides what the
// mouse holds until it is released: the stylus (pressed on the screen), a button, or a
// slider; the window captures the mouse meanwhile.
class DesktopInput {
public:
    DesktopInput(const DesktopLayout& layout, DeviceControl& device) : layout_(layout), device_(device) {}

    void mouse_down(Point window);
    void mouse_move(Point window);
    void mouse_up(Point window);
    void key_down(DeviceButton button);
    void key_up(DeviceButton button);
    // The window lost the focus: nothing stays held, as no release will come.
    void release_all(Point window);

    // The button drawn held down: a button pressed with the mouse or a key held.
    std::optional<DeviceButton> held_button() const;
    std::optional<SliderDrag> slider_drag() const;
    bool mouse_held() const { return !std::holds_alternative<Free>(mouse_); }

private:
    struct Free {};
    struct Stylus {};


    const DesktopLayout& layout_;
    DeviceControl& device_;
    std::variant<Free, Stylus, DeviceButton, SliderDrag> mouse_;
    std::optional<DeviceButton> key_;
};

}  // namespace emu::desktop
