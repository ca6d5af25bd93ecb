#pragma once
#include <windows.h>

namespace emu {

// A push button of the shell's own windows (a built-in program's OK, a message box's
// answers): a child window labelled with its title that, when tapped (the stylus goes
// down and comes up on it), sends WM_COMMAND with its `id` to its parent. The default
// button wears a double frame.
HWND create_push_button(HWND parent, const wchar_t* label, int id, const RECT& rect, bool is_default = false);

}  // namespace emu
