#pragma once
#include <optional>
#include <string_view>

#include "shell/IconArt.h"

namespace emu {

// A program of the device image that the shell itself provides (\Windows\calc.exe ...):
// known by its file name, shown with its display name and icon.
struct BuiltinProgram {
    std::wstring_view file_name;
    std::wstring_view display_name;
    IconArt icon;
};

// The built-in program a path names (by its file name, without regard to case), or null.
const BuiltinProgram* find_builtin_program(std::wstring_view path);

// The control-panel host, which shows the applet its command line names.
inline constexpr std::wstring_view kControlPanelHost = L"ctlpnl.exe";

// The applet number of a control-panel command line "cplmain.cpl,N", when it names one.
std::optional<int> control_panel_applet(std::wstring_view arguments);
// The name of applet N, or "" for a number no applet has.
std::wstring_view control_panel_applet_name(int number);

// The file name of the built-in program that opens documents with this extension
// (".txt" -> "pword.exe"), or "" when none does.
std::wstring_view program_for_document(std::wstring_view extension);

// The last part of a device path: "calc.exe" of "\Windows\calc.exe".
std::wstring_view file_name_of(std::wstring_view path);
// The extension with its dot ("." included), or "" when the name has none.
std::wstring_view extension_of(std::wstring_view path);

}  // namespace emu
