#include "frontend/desktop/DesktopInput.h"

namespace emu::desktop {

void DesktopInput::mouse_down(Point window) {
    // A press while something is held means its release was lost: end that first, so that
    // the stylus cannot stay down for good.
    if (mouse_held()) mouse_up(window);
    if (auto screen = layout_.body.screen_point(window)) {
        mouse_ = Stylus{};
        device_.stylus_down(*screen);
    } else if (auto button = layout_.body.button_at(window)) {
        mouse_ = *button;
        device_.press(*button);
    } else if (auto control = layout_.panel.control_at(window)) {
        if (*control == PanelControl::Mains) return device_.toggle_mains();
        if (*control == PanelControl::Screenshot) return device_.save_screenshot();
        mouse_ = SliderDrag{*control, layout_.panel.slider_percent(*control, window.x)};
    }
}

void DesktopInput::mouse_move(Point window) {
    if (std::holds_alternative<Stylus>(mouse_)) device_.stylus_move(layout_.body.to_screen(window));
    if (auto drag = std::get_if<SliderDrag>(&mouse_))
        drag->percent = layout_.panel.slider_percent(drag->slider, window.x);
}

void DesktopInput::mouse_up(Point window) {
    if (std::holds_alternative<Stylus>(mouse_)) device_.stylus_up(layout_.body.to_screen(window));
    if (auto drag = std::get_if<SliderDrag>(&mouse_))
        device_.set_level(drag->slider, layout_.panel.slider_percent(drag->slider, window.x));
    mouse_ = Free{};
}

void DesktopInput::key_down(DeviceButton button) {
    key_ = button;
    device_.press(button);
}

void DesktopInput::key_up(DeviceButton button) {
    if (key_ == button) key_.reset();
}

void DesktopInput::release_all(Point window) {
    if (mouse_held()) mouse_up(window);
    key_.reset();
}

std::optional<DeviceButton> DesktopInput::held_button() const {
    if (auto button = std::get_if<DeviceButton>(&mouse_)) return *button;
    return key_;
}

std::optional<SliderDrag> DesktopInput::slider_drag() const {
    if (auto drag = std::get_if<SliderDrag>(&mouse_)) return *drag;
    return std::nullopt;
}

}  // namespace emu::desktop
