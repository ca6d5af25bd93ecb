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

// Every message from 1000 up that the bar received, in order.
inline std::vector<UINT>& Received() {
    static std::vector<UINT> messages;
    return messages;
}

// What the bar does with a command besides recording it.
inline std::function<void(UINT)>& OnCommand() {
    static std::function<void(UINT)> on_command;
    return on_command;
}

// Deletes what a test made; run on the bar's thread when the device closes the bar.
inline std::function<void()>& Cleanup() {
    static std::function<void()> cleanup;
    return cleanup;
}

// Asks the bar's thread, which made the pop-ups, to run a test's action.
const UINT kRunAction = WM_APP + 1;

inline LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunAction) {
        (*reinterpret_cast<std::function<void()>*>(lParam))();
        return 0;
    }
    if (message >= 1000) {
        Received().push_back(message);
        if (OnCommand()) OnCommand()(message);
        return 0;
    }
    if (message == WM_CLOSE) {
        if (Cleanup()) Cleanup()();
        DestroyWindow(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Received().clear();
        OnCommand() = nullptr;
        Cleanup() = nullptr;
        instance = device.instance_with(tesselink_resources());
    }
    // The orderly end closes the bar, which deletes the pop-ups: the window registry and
    // the dialog's close button belong to the test process and must not outlive the device.
    void TearDown() override { device.host().shutdown(); }

    // Runs `build` on the device with the bar over the whole screen, then the bar's message
    // loop; `cleanup` runs when the bar is closed.
    void RunWithBar(std::function<void(HWND)> build, std::function<void()> cleanup) {
        Cleanup() = std::move(cleanup);
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
        std::vector<COLORREF> pixels;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) pixels.push_back(device.host().pixel(x, y));
        return pixels;
    }

    // What `draw` paints into a width x height bitmap filled with `background`.
    std::vector<COLORREF> Rendered(int width, int height, COLORREF background, std::function<void(HDC)> draw) {
        std::vector<COLORREF> pixels;
        device.run([&] {
            HDC screen = GetDC(nullptr);
            HDC memory = CreateCompatibleDC(screen);
            HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
            HGDIOBJ previous = SelectObject(memory, bitmap);
            RECT all = {0, 0, width, height};
            HBRUSH fill = CreateSolidBrush(background);
            FillRect(memory, &all, fill);
            DeleteObject(fill);
            draw(memory);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
            SelectObject(memory, previous);
            DeleteObject(bitmap);
            DeleteDC(memory);
            ReleaseDC(nullptr, screen);
        });
        return pixels;
    }

    // Icon resource `number` drawn at its own size over `background`.
    std::vector<COLORREF> IconOver(WORD number, int size, COLORREF background) {
        return Rendered(size, size, background, [&](HDC dc) {
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        });
    }

    // The title of the window under a screen point.
    std::wstring WindowAt(int x, int y) {
        WCHAR title[64] = {};
        device.run([&] { GetWindowText(WindowFromPoint(POINT{x, y}), title, 64); });
        return title;
    }

    std::size_t Count(const char* event) { return device.device().log.events(event).size(); }

    test::TestDevice device;
    HINSTANCE instance = nullptr;
    HWND bar = nullptr;
};

}  // namespace popups
