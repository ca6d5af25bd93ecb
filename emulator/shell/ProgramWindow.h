#pragma once
#include <string>

namespace emu {

// What a built-in program shows: its title, the program file whose shell icon it wears,
// and a line of detail (the document or folder it was opened with).
struct ProgramWindowContent {
    std::wstring title;
    std::wstring program_path;
    std::wstring detail;
};

// The body of a built-in program, Win32 code run as a process of its own: shows a
// top-level window in the work area with the title, the icon and an OK button, and ends
// when the window is closed (the OK button, or WM_CLOSE). A second start of a program
// whose window is already open brings that window forward and ends at once.
int run_program_window(const ProgramWindowContent& content);

}  // namespace emu
