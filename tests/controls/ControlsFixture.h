// A booted device with the program's icons, and a topmost test parent that logs the
// commands its controls send it (event "command") and deletes the controls when closed.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/Gdi.h"
#include "resources/Resources.h"
#include "support/TestDevice.h"
#include "ui/Colours.h"

namespace controls {

// Asks the parent's thread, the one that made the controls, to run a test's action.
const UINT kRunAction = WM_APP + 1;

inline std::function<void()> g_cleanup;

inline LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunAction) {
        (*reinterpret_cast<std::function<void()>*>(lParam))();
    } else if (message >= 1000) {
        emu::current_device()->log.record("command", {{"number", static_cast<long long>(message)}});
    } else if (message == WM_CLOSE) {
        g_cleanup();
        DestroyWindow(window);
        PostQuitMessage(0);
    } else {
        return DefWindowProc(window, message, wParam, lParam);
    }
    return 0;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { instance = device.instance_with(tesselink_resources()); }
    // The orderly end closes the parent, which deletes the controls: the window registry
    // is the process's and must keep no entry of this device's windows.
    void TearDown() override { device.host().shutdown(); }

    // Runs `build` on the device under a parent at `area` of the screen, then the
    // parent's message loop; `cleanup` runs when the parent is closed.
    void RunWithParent(RECT area, std::function<void(HWND)> build, std::function<void()> cleanup) {
        g_cleanup = std::move(cleanup);
        device.run([&] {
            WNDCLASS wc = {};
            wc.lpfnWndProc = ParentProc;
            wc.lpszClassName = L"Test Parent";
            RegisterClass(&wc);
            parent = CreateWindowEx(WS_EX_TOPMOST, L"Test Parent", L"Test Parent", WS_VISIBLE, area.left, area.top,
                                    area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr,
                                    nullptr);
            build(parent);
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }
    // Runs `action` on the thread that made the controls, as the program does.
    void OnUiThread(std::function<void()> action) {
        device.run([&] { SendMessage(parent, kRunAction, 0, reinterpret_cast<LPARAM>(&action)); });
    }

    std::vector<UINT> Commands() {
        std::vector<UINT> numbers;
        for (const auto& event : device.device().log.events("command"))
            numbers.push_back(static_cast<UINT>(event.number("number")));
        return numbers;
    }
    // The screen's pixels in a rectangle, row by row.
    std::vector<COLORREF> ScreenArea(int left, int top, int width, int height) {
        std::vector<std::uint32_t> screen = device.host().screen();
        std::vector<COLORREF> pixels;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) {
                std::uint32_t rgb = screen[static_cast<std::size_t>(y) * emu::Gdi::kScreenWidth + x];
                pixels.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
            }
        return pixels;
    }
    // Icon resource `number` drawn at its own size at the screen's top-left corner, over
    // the buttons' background colour; the test parents stay clear of that corner.
    std::vector<COLORREF> IconOnPanel(WORD number, int size) {
        device.run([&] {
            HDC screen = GetDC(nullptr);
            RECT corner = {0, 0, size, size};
            HBRUSH panel = CreateSolidBrush(kPanelColour);
            FillRect(screen, &corner, panel);
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            DrawIconEx(screen, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
            DeleteObject(panel);
            ReleaseDC(nullptr, screen);
        });
        return ScreenArea(0, 0, size, size);
    }
    // The title of the window under a screen point.
    std::wstring WindowAt(int x, int y) {
        WCHAR title[64] = {};
        device.run([&] { GetWindowText(WindowFromPoint(POINT{x, y}), title, 64); });
        return title;
    }

    test::TestDevice device;
    HINSTANCE instance = nullptr;
    HWND parent = nullptr;
};

}  // namespace controls
