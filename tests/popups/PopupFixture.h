// A booted device with the program's icons and a full-screen test bar: the parent of the
// pop-ups, which records the commands they send it, lets a test act on them as the bar
// would, and deletes the pop-ups when the device shuts down.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "resources/Resources.h"
#include "support/TestDevice.h"

namespace popups {

using Messages = std::vector<UINT>;
inline Messages g_received;                    // every message from 1000 up, in order
inline std::function<void(UINT)> g_onCommand;  // what the bar does with one besides
inline std::function<void()> g_cleanup;        // run on the bar's thread when it closes
const UINT kRunAction = WM_APP + 1;            // runs a test's action on the bar's thread

inline LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunAction) {
        (*reinterpret_cast<std::function<void()>*>(lParam))();
    } else if (message >= 1000) {
        g_received.push_back(message);
        if (g_onCommand) g_onCommand(message);
    } else if (message == WM_CLOSE) {
        if (g_cleanup) g_cleanup();
        DestroyWindow(window);
        PostQuitMessage(0);
    } else {
        return DefWindowProc(window, message, wParam, lParam);
    }
    return 0;
}

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_received.clear();
        g_onCommand = nullptr;
        instance = device.instance_with(tesselink_resources());
    }
    // The orderly end closes the bar, which deletes the pop-ups: the window registry and
    // the dialog's close button belong to the test process and must not outlive the device.
    void TearDown() override { device.host().shutdown(); }

    // Runs `build` on the device with the bar over the whole screen, then its message loop.
    void RunWithBar(std::function<void(HWND)> build, std::function<void()> cleanup) {
        g_cleanup = std::move(cleanup);
        device.run([this, build = std::move(build)] {
            WNDCLASS wc = {};
            wc.lpfnWndProc = BarProc;
            wc.lpszClassName = L"Test Bar";
            RegisterClass(&wc);
            bar = CreateWindowEx(WS_EX_TOPMOST, L"Test Bar", L"Test Bar", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                 nullptr, nullptr);
            build(bar);
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }
    // Runs `action` on the bar's thread, where the program runs its pop-ups.
    void OnUiThread(std::function<void()> action) {
        device.run([&] { SendMessage(bar, kRunAction, 0, reinterpret_cast<LPARAM>(&action)); });
    }

    std::vector<COLORREF> ScreenArea(int left, int top, int width, int height) {
        return device.screen_area(left, top, width, height);
    }
    // What `draw` paints into a width x height bitmap filled with `background`.
    std::vector<COLORREF> Rendered(int width, int height, COLORREF background, std::function<void(HDC)> draw) {
        std::vector<COLORREF> pixels;
        device.run([&] {
            HDC screen = GetDC(nullptr);
            HDC dc = CreateCompatibleDC(screen);
            HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, width, height));
            ReleaseDC(nullptr, screen);
            RECT all = {0, 0, width, height};
            HBRUSH fill = CreateSolidBrush(background);
            FillRect(dc, &all, fill);
            DeleteObject(fill);
            draw(dc);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
            DeleteObject(SelectObject(dc, previous));
            DeleteDC(dc);
        });
        return pixels;
    }
    std::vector<COLORREF> IconOver(WORD number, int size, COLORREF background) {
        return Rendered(size, size, background, [&](HDC dc) {
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        });
    }
    std::wstring WindowAt(int x, int y) {
        WCHAR title[64] = {};
        device.run([&] { GetWindowText(WindowFromPoint(POINT{x, y}), title, 64); });
        return title;
    }

    test::TestDevice device;
    HINSTANCE instance = nullptr;
    HWND bar = nullptr;
};

}  // namespace popups
