// Starting the device's control-panel applets.
#pragma once
#include <windows.h>

// Starts applet `applet` in the control-panel host \Windows\ctlpnl.exe, without waiting for
// it; true when the process was started.
BOOL LaunchControlPanelApplet(int applet);

// Opens the device's own backlight program, \Windows\backlight.exe, when the shell knows
// it; false, opening nothing, when it does not (the control panel's applet stands in then).
bool OpenBacklightProgram();
