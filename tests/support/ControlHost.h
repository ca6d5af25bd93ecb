// A booted device with the program's icons and a topmost test bar: the parent of the
// controls and pop-ups under test. The bar logs every command (message 1000 and up) they
// send it as event "command", hands each to `onCommand` as the real bar would act on it,
// runs a test's actions on its own thread, and deletes the controls when it is closed.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "kernel/Device.h"
#include "resources/Resources.h"
#include "support/TestDevice.h"

namespace test {

class ControlHost : public ::testing::Test {
protected:
    void SetUp() override {
        current() = this;
        instance = device.instance_with(tesselink_resources());
    }
    // The orderly end closes the bar, which deletes the controls: the window registry and
    // the dialogs' close buttons belong to the test process and must not outlive the device.
    void TearDown() override { device.host().shutdown(); }

    // Runs `build` on the device under a bar covering `area`, then the bar's message loop;
    // `cleanup` runs on the bar's thread when it is closed.
    void RunWithBar(RECT area, std::function<void(HWND)> build, std::function<void()> cleanup) {
        cleanup_ = std::move(cleanup);
        device.run([&] {
            WNDCLASS wc = {};
            wc.lpfnWndProc = BarProc;
            wc.lpszClassName = L"Test Bar";
            RegisterClass(&wc);
            bar = CreateWindowEx(WS_EX_TOPMOST, L"Test Bar", L"Test Bar", WS_VISIBLE, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
            build(bar);
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }
    // Shows the control `make` creates under the bar: the first time on a new bar covering
    // `area`, later in place of the control shown before. The bar deletes the last one.
    template <class Control>
    void Show(RECT area, Control*& shown, std::function<void()> make) {
        auto remove = [&shown] {
            delete shown;
            shown = nullptr;
        };
        if (!bar) return RunWithBar(area, [&](HWND) { make(); }, remove);
        OnUiThread([&] {
            remove();
            make();
        });
    }
    // Runs `action` on the bar's thread, where the program runs its controls.
    void OnUiThread(std::function<void()> action) {
        device.run([&] { SendMessage(bar, kRunAction, 0, reinterpret_cast<LPARAM>(&action)); });
    }
    void Repaint(HWND window) {
        OnUiThread([window] {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        });
    }

    std::vector<UINT> Commands() {
        std::vector<UINT> numbers;
        for (const auto& event : device.device().log.events("command"))
            numbers.push_back(static_cast<UINT>(event.number("number")));
        return numbers;
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
    // Icon resource `number` drawn at the top-left of a width x height `background`.
    std::vector<COLORREF> Icon(WORD number, int width, int height, COLORREF background) {
        return Rendered(width, height, background, [&](HDC dc) {
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

    test::TestDevice device;
    HINSTANCE instance = nullptr;
    HWND bar = nullptr;
    std::function<void(UINT)> onCommand;
    // Asks the bar's thread to run the action an LPARAM points to.
    static constexpr UINT kRunAction = WM_APP + 1;

private:
    static ControlHost*& current() {
        static ControlHost* host = nullptr;
        return host;
    }
    static LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        ControlHost& host = *current();
        if (message == kRunAction) {
            (*reinterpret_cast<std::function<void()>*>(lParam))();
        } else if (message >= 1000) {
            emu::current_device()->log.record("command", {{"number", static_cast<long long>(message)}});
            if (host.onCommand) host.onCommand(message);
        } else if (message == WM_CLOSE) {
            if (host.cleanup_) host.cleanup_();
            DestroyWindow(window);
            PostQuitMessage(0);
        } else {
            return DefWindowProc(window, message, wParam, lParam);
        }
        return 0;
    }

    std::function<void()> cleanup_;
};

}  // namespace test
