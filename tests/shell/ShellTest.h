#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>

#include "gdi/Gdi.h"
#include "support/TestDevice.h"
#include "window/WindowManager.h"

namespace shell_test {

// A stand-in for an installed program: counts its starts and keeps its command line.
inline int g_program_starts = 0;
inline std::wstring g_program_command_line;
inline int WINAPI InstalledProgram(HINSTANCE, HINSTANCE, LPWSTR command, int) {
    ++g_program_starts;
    g_program_command_line = command;
    return 0;
}

// A booted default device with helpers to drive and read its shell.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() { g_program_starts = 0; }

    void install_program() { host().install(L"\\Windows\\Tesselink.exe", &InstalledProgram); }

    // ShellExecuteEx as a program calls it; `error` receives the last error.
    bool open(const wchar_t* file, DWORD* error = nullptr) {
        BOOL ok = FALSE;
        device.run([&] {
            SHELLEXECUTEINFO info{};
            info.cbSize = sizeof info;
            info.lpFile = file;
            info.nShow = SW_SHOWNORMAL;
            ok = ShellExecuteEx(&info);
            if (error) *error = GetLastError();
        });
        return ok;
    }

    // The programs started, by path, leaving out the tests' own.
    std::vector<std::string> started() {
        std::vector<std::string> paths;
        for (const auto& event : device.device().log.events("process-start"))
            if (event.text("path") != "\\Windows\\test.exe") paths.push_back(event.text("path"));
        return paths;
    }

    // The built-in program window with this title, or null.
    HWND program_window(const wchar_t* title) {
        return host().inspect([&](emu::Device& d) {
            auto window = d.windows->find_top_level(L"ShellProgram", title);
            return window ? window->handle : nullptr;
        });
    }

    HWND foreground() {
        return host().inspect([](emu::Device& d) {
            auto window = d.windows->foreground();
            return window ? window->handle : nullptr;
        });
    }

    // A framebuffer pixel as 0x00RRGGBB, whatever the backlight does to the display.
    std::uint32_t pixel(int x, int y) {
        return host().inspect([&](emu::Device& d) { return d.gdi->framebuffer()[y * emu::Gdi::kScreenWidth + x]; });
    }

    std::size_t live_icons() { return host().inspect([](emu::Device& d) { return d.gdi->live_icons(); }); }

    emu::DeviceHost& host() { return device.host(); }
    std::vector<emu::Event> events(const char* name) { return device.device().log.events(name); }

    test::TestDevice device;
};

// Where a built-in program window's OK button lies on the screen.
inline constexpr POINT kOkButton{120, 259};

}  // namespace shell_test
