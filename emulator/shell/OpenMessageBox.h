#pragma once
#include <string>
#include <vector>

#include <windef.h>

namespace emu {

// A message box on the screen, as the shell keeps it for the host to find and answer.
struct OpenMessageBox {
    struct Button {
        int id = 0;      // IDOK, IDCANCEL …
        RECT screen{};   // where it is on the screen
    };
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    UINT style = 0;
    std::vector<Button> buttons;  // left to right
    int default_id = 0;
};

}  // namespace emu
