#include "frontend/desktop/DeviceButton.h"

#include <winuser.h>

namespace emu::desktop {

UINT virtual_key(DeviceButton button) {
    switch (button) {
    case DeviceButton::App1: return VK_APP1;
    case DeviceButton::App2: return VK_APP2;
    case DeviceButton::App3: return VK_APP3;
    case DeviceButton::App4: return VK_APP4;
    case DeviceButton::App5: return VK_APP5;
    case DeviceButton::Up: return VK_UP;
    case DeviceButton::Down: return VK_DOWN;
    case DeviceButton::Left: return VK_LEFT;
    case DeviceButton::Right: return VK_RIGHT;
    case DeviceButton::Action: return VK_RETURN;
    case DeviceButton::Power: return 0;
    }
    return 0;
}

}  // namespace emu::desktop
