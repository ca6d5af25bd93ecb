// The display's backlight, through the device's utility library ppcutil.dll, loaded for
// each operation: OnOff and Brightness under HKEY_CURRENT_USER\ControlPanel\Backlight, and
// the named event BackLightChangeEvent that makes the platform apply them.
#pragma once
#include <windows.h>

// Levels 1 to 4 light the display, 4 fully; 0 is off.
const int kBacklightOff = 0;
const int kBacklightFull = 4;

// The backlight level: 0 when off, else the Brightness value; -1 when it cannot be read.
int ReadBacklightLevel();

// Sets the level (0 to 4) and signals the change; non-zero on success. Nothing is written
// or signalled for a level out of range or without the library.
int WriteBacklightLevel(int level);

// The Backlight Button: a dark display comes on at full level, any other goes off.
void ToggleBacklight();
