// A booted device with the program's icons, and a top-level test parent that records the
// commands its controls send it and deletes the controls when the device shuts down.
#pragma once
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/Gdi.h"
#include "resources/Resources.h"
#include "support/TestDevice.h"
#include "ui/Colours.h"

namespace controls {

// What the parent saw: every message number from 1000 up, in order.
inline std::vector<UINT>& Received() {
    static std::vector<UINT> messages;
    return messages;
}

// Deletes the controls a test made; run by the parent when the device closes it.
inline std::function<void()>& Cleanup() {
    static std::function<void()> cleanup;
    return cleanup;
}

// Hook for a test that wants to act on a command as a parent does (the bar hides itself
// on the strip's command, for example).
inline std::function<void(UINT)>& OnCommand() {
    static std::function<void(UINT)> on_command;
    return on_command;
}

// Asks the parent's thread, the one that made the controls, to run a test's action.
const UINT kRunAction = WM_APP + 1;

inline LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Received().clear();
        Cleanup() = nullptr;
        OnCommand() = nullptr;
        instance = device.instance_with(tesselink_resources());
    }
    // The orderly end closes the parent, which deletes the controls: the window registry
    // is the process's and must not keep entries of this device's windows.
    void TearDown() override { device.host().shutdown(); }

    // Runs `build` on the device with a topmost parent at `area` of the screen, then the
    // parent's message loop; `cleanup` runs when the parent is closed.
    void RunWithParent(RECT area, std::function<void(HWND)> build, std::function<void()> cleanup) {
        Cleanup() = std::move(cleanup);
        device.run([this, area, build = std::move(build)] {
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

    // Runs `action` on the parent's thread, as the program runs its controls: on the thread
    // that created them.
    void OnUiThread(std::function<void()> action) {
        device.run([&] { SendMessage(parent, kRunAction, 0, reinterpret_cast<LPARAM>(&action)); });
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

    // Icon resource `number` drawn at its own size over the buttons' background colour.
    std::vector<COLORREF> IconOnPanel(WORD number, int width, int height) {
        std::vector<COLORREF> pixels;
        device.run([&] {
            HDC screen = GetDC(nullptr);
            HDC memory = CreateCompatibleDC(screen);
            HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
            HGDIOBJ previous = SelectObject(memory, bitmap);
            RECT all = {0, 0, width, height};
            HBRUSH panel = CreateSolidBrush(kPanelColour);
            FillRect(memory, &all, panel);
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
            DestroyIcon(icon);
            DeleteObject(panel);
            SelectObject(memory, previous);
            DeleteObject(bitmap);
            DeleteDC(memory);
            ReleaseDC(nullptr, screen);
        });
        return pixels;
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
