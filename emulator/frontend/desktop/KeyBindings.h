#pragma once
#include <optional>

#include <SDL.h>

#include "frontend/desktop/DeviceButton.h"

namespace emu::desktop {

// The keyboard's hardware buttons: F1 to F5 the application keys, the arrows the direction
// pad, Enter the action button, P the power button.
std::optional<DeviceButton> button_for_key(SDL_Keycode key);

}  // namespace emu::desktop
