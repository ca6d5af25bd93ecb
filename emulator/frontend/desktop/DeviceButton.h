#pragma once
#include <array>

#include <windef.h>

namespace emu::desktop {

// The hardware buttons on the device's body.
enum class DeviceButton { App1, App2, App3, App4, App5, Up, Down, Left, Right, Action, Power };

inline constexpr std::array kDeviceButtons{DeviceButton::App1, DeviceButton::App2,  DeviceButton::App3,
                                           DeviceButton::App4, DeviceButton::App5,  DeviceButton::Up,
                                           DeviceButton::Down, DeviceButton::Left,  DeviceButton::Right,
                                           DeviceButton::Action, DeviceButton::Power};

// The key code the device receives for a button; 0 for the power button, which is no key.
UINT virtual_key(DeviceButton button);

}  // namespace emu::desktop
