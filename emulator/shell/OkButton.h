#pragma once
#include <windows.h>

namespace emu {

// The OK button of a built-in program's window: a child window that, when tapped (the
// stylus goes down and comes up on it), sends WM_COMMAND with IDOK to its parent.
HWND create_ok_button(HWND parent, int x, int y, int width, int height);

}  // namespace emu
