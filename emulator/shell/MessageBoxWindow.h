#pragma once
#include <string_view>

#include <windows.h>

#include "shell/MessageBoxButtons.h"

namespace emu {

// MessageBox's work, on the calling thread: shows the box in front of every window with
// its caption, text and buttons, disables the owner's top-level window, and handles the
// thread's messages until a tap on a button (or closing the box, where it can be closed)
// answers it. A WM_QUIT taken meanwhile ends the box with its default button and is
// posted again for the caller's own loop. Returns the answer.
int run_message_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style,
                    const MessageBoxButtons& buttons);

}  // namespace emu
