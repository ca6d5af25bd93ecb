// The desktop's taskbar and input-panel button follow SHFullScreen of the foreground window.
#include "ShellTest.h"

#include <aygshell.h>

#include <algorithm>

#include "support/TestWindow.h"

namespace shell_test {
namespace {

constexpr std::uint32_t kTaskbar = 0x002C7C;
constexpr std::uint32_t kStartFlagRed = 0xE63C28;
constexpr POINT kStartFlag{8, 8}, kTaskbarMiddle{100, 10}, kInputButtonFrame{212, 300};

HWND g_window = nullptr;

class Taskbar : public ShellTest {
protected:
    // A program window below the taskbar, in front.
    Taskbar() {
        device.run([] {
            g_window = test::MakeWindow(L"Requester", WS_VISIBLE, 0, 100, 240, 100, nullptr, DefWindowProc);
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }

    BOOL full_screen(HWND window, DWORD flags) {
        BOOL ok = FALSE;
        device.run([&] { ok = SHFullScreen(window, flags); });
        return ok;
    }

    std::uint32_t at(POINT point) { return pixel(point.x, point.y); }
};

// The taskbar, its start flag and the input-panel button each follow their own pair of
// flags while the window that asked is in front, and return while another window is.
TEST_F(Taskbar, TheForegroundWindowHidesAndShowsTheTaskbarItsStartIconAndInputButton) {
    auto expect_shown = [&](bool taskbar, bool start_icon, bool input_button) {
        EXPECT_EQ(at(kTaskbarMiddle) == kTaskbar, taskbar);
        if (taskbar) EXPECT_EQ(at(kStartFlag), start_icon ? kStartFlagRed : kTaskbar);
        else EXPECT_NE(at(kStartFlag), kStartFlagRed);
        EXPECT_EQ(at(kInputButtonFrame) == 0x000000u, input_button);
    };
    expect_shown(true, true, true);
    EXPECT_FALSE(full_screen(nullptr, SHFS_HIDETASKBAR));
    EXPECT_FALSE(full_screen(g_window, SHFS_HIDETASKBAR | SHFS_SHOWTASKBAR));
    EXPECT_FALSE(full_screen(g_window, 0x100));
    expect_shown(true, true, true);
    EXPECT_TRUE(full_screen(g_window, SHFS_HIDESTARTICON | SHFS_HIDESIPBUTTON));
    expect_shown(true, false, false);
    EXPECT_TRUE(full_screen(g_window, SHFS_SHOWSTARTICON | SHFS_SHOWSIPBUTTON | SHFS_HIDETASKBAR));
    expect_shown(false, true, true);
    open(L"\\Windows\\calc.exe");
    expect_shown(true, true, true);
    host().tap(kOkButton.x, kOkButton.y);
    EXPECT_EQ(foreground(), g_window);
    expect_shown(false, true, true);
    EXPECT_TRUE(full_screen(g_window, SHFS_SHOWTASKBAR));
    expect_shown(true, true, true);
}

// The Start logo opens the Start menu (not while the start icon is hidden): a folder opens
// beside it, a shortcut there is opened through the shell and closes the menus, and a tap
// outside closes them.
TEST_F(Taskbar, TheStartLogoOpensTheStartMenu) {
    const auto menu_ends = [&] {
        const auto exits = events("process-exit");
        return std::count_if(exits.begin(), exits.end(),
                             [](const emu::Event& exit) { return exit.text("path") == "\\Windows\\shell32.exe"; });
    };
    EXPECT_TRUE(full_screen(g_window, SHFS_HIDESTARTICON));
    host().tap(kStartFlag.x, kStartFlag.y);
    EXPECT_TRUE(started().empty());
    EXPECT_TRUE(full_screen(g_window, SHFS_SHOWSTARTICON));
    host().tap(kStartFlag.x, kStartFlag.y);
    host().tap(20, 97);   // Games, the fourth item
    host().tap(160, 97);  // beside it, its first item: Bubbles
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\shell32.exe", "\\Windows\\bubble.exe"}));
    EXPECT_EQ(events("shell-execute").back().text("file"), "\\Windows\\Start Menu\\Games\\Bubbles.lnk");
    EXPECT_EQ(menu_ends(), 1);
    host().tap(kStartFlag.x, kStartFlag.y);
    host().tap(200, 60);
    EXPECT_EQ(menu_ends(), 2);
    EXPECT_EQ(started().size(), 3u);
}

TEST_F(Taskbar, TheTimeMovesOnWithTheDevicesClock) {
    auto clock_pixels = [&] {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < 25; ++y)
            for (int x = 160; x < 240; ++x) pixels.push_back(pixel(x, y));
        return pixels;
    };
    auto at_eight = clock_pixels();
    host().advance(59 * 1000);
    EXPECT_EQ(clock_pixels(), at_eight);
    host().advance(1000);
    EXPECT_NE(clock_pixels(), at_eight);
}

}  // namespace
}  // namespace shell_test
