// The desktop's taskbar and input-panel button follow SHFullScreen of the foreground window.
#include "ShellTest.h"

#include <aygshell.h>

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
            WNDCLASS wc{};
            wc.lpfnWndProc = DefWindowProc;
            wc.lpszClassName = L"Requester";
            RegisterClass(&wc);
            g_window = CreateWindowEx(0, L"Requester", L"Requester", WS_VISIBLE, 0, 100, 240, 100, nullptr, nullptr,
                                      nullptr, nullptr);
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

TEST_F(Taskbar, TheDesktopShowsTheTaskbarStartFlagAndInputButton) {
    EXPECT_EQ(at(kStartFlag), kStartFlagRed);
    EXPECT_EQ(at(kTaskbarMiddle), kTaskbar);
    EXPECT_EQ(at(kInputButtonFrame), 0x000000u);
}

TEST_F(Taskbar, TheForegroundWindowHidesAndShowsTheTaskbar) {
    EXPECT_TRUE(full_screen(g_window, SHFS_HIDETASKBAR));
    EXPECT_NE(at(kTaskbarMiddle), kTaskbar);
    EXPECT_NE(at(kStartFlag), kStartFlagRed);
    EXPECT_EQ(at(kInputButtonFrame), 0x000000u);
    EXPECT_TRUE(full_screen(g_window, SHFS_SHOWTASKBAR));
    EXPECT_EQ(at(kTaskbarMiddle), kTaskbar);
    EXPECT_EQ(at(kStartFlag), kStartFlagRed);
}

TEST_F(Taskbar, TheStartIconAndInputButtonFollowTheirOwnFlags) {
    EXPECT_TRUE(full_screen(g_window, SHFS_HIDESTARTICON | SHFS_HIDESIPBUTTON));
    EXPECT_EQ(at(kStartFlag), kTaskbar);
    EXPECT_EQ(at(kTaskbarMiddle), kTaskbar);
    EXPECT_NE(at(kInputButtonFrame), 0x000000u);
    EXPECT_TRUE(full_screen(g_window, SHFS_SHOWSTARTICON | SHFS_SHOWSIPBUTTON));
    EXPECT_EQ(at(kStartFlag), kStartFlagRed);
    EXPECT_EQ(at(kInputButtonFrame), 0x000000u);
}

TEST_F(Taskbar, ItReturnsWhileAnotherWindowIsInFrontAndGoesAgainAfter) {
    full_screen(g_window, SHFS_HIDETASKBAR);
    open(L"\\Windows\\calc.exe");
    EXPECT_EQ(at(kTaskbarMiddle), kTaskbar);
    host().tap(kOkButton.x, kOkButton.y);
    EXPECT_EQ(foreground(), g_window);
    EXPECT_NE(at(kTaskbarMiddle), kTaskbar);
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

TEST_F(Taskbar, RefusesUnknownWindowsAndFlags) {
    EXPECT_FALSE(full_screen(nullptr, SHFS_HIDETASKBAR));
    EXPECT_FALSE(full_screen(g_window, SHFS_HIDETASKBAR | SHFS_SHOWTASKBAR));
    EXPECT_FALSE(full_screen(g_window, 0x100));
    EXPECT_EQ(at(kTaskbarMiddle), kTaskbar);
}

}  // namespace
}  // namespace shell_test
