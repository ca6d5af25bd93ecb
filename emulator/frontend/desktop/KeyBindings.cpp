#include "frontend/desktop/KeyBindings.h"

namespace emu::desktop {

std::optional<DeviceButton> button_for_key(SDL_Keycode key) {
    switch (key) {
    case SDLK_F1: return DeviceButton::App1;
    case SDLK_F2: return DeviceButton::App2;
    case SDLK_F3: return DeviceButton::App3;
    case SDLK_F4: return DeviceButton::App4;
    case SDLK_F5: return DeviceButton::App5;
    case SDLK_UP: return DeviceButton::Up;
    case SDLK_DOWN: return DeviceButton::Down;
    case SDLK_LEFT: return DeviceButton::Left;
    case SDLK_RIGHT: return DeviceButton::Right;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return DeviceButton::Action;
    case SDLK_p: return DeviceButton::Power;
    default: return std::nullopt;
    }
}

}  // namespace emu::desktop
