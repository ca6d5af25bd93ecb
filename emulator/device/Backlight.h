#pragma once
#include <windef.h>

namespace emu {

class Device;

// How bright the screen looks at a backlight setting, in percent: off still leaves a
// reflective screen faintly readable; levels 1 to 4 light it, 4 fully.
int backlight_percent(bool on, DWORD level);

// The display's backlight follows OnOff and Brightness under
// HKEY_CURRENT_USER\ControlPanel\Backlight (missing values mean on, full level): applied
// now, and again, logged as "backlight", each time a program sets the named event
// "BackLightChangeEvent". The backlight dims what the screen shows, not the framebuffer.
void install_backlight(Device& device);

}  // namespace emu
