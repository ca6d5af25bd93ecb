// The pop-ups' costs: the stylus moving from one settings-menu entry to another (the entry
// left and the entry reached are redrawn), and opening and closing the information dialog
// (its window, its full paint with the close button, and their destruction).
#include <benchmark/benchmark.h>

#include <windows.h>

#include "resources/Resources.h"
#include "support/TestDevice.h"
#include "system/SettingsMenu.h"
#include "ui/InfoDialog.h"
#include "ui/TwoColumnIconMenu.h"

namespace {

HWND MakeBar() {
    WNDCLASS wc = {};
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = L"Bar";
    RegisterClass(&wc);
    return CreateWindowEx(0, L"Bar", L"Bar", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
}

void StylusMovesToAnotherMenuEntry(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    device.run([&] {
        TwoColumnIconMenu* menu = BuildSettingsMenu(MakeBar(), instance);
        UpdateWindow(menu->Window());
        // "Password" in the left column and "Remove" in the right one.
        const LPARAM entries[2] = {MAKELPARAM(50, 86), MAKELPARAM(140, 86)};
        int next = 0;
        for (auto _ : state) {
            SendMessage(menu->Window(), WM_MOUSEMOVE, 0, entries[next]);
            next ^= 1;
        }
        delete menu;
    });
}
BENCHMARK(StylusMovesToAnotherMenuEntry);

void OpenAndCloseTheInformationDialog(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    device.run([&] {
        HWND bar = MakeBar();
        for (auto _ : state) {
            auto* dialog = new InfoDialog(L"Info Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, 272, bar, instance, 3025);
            UpdateWindow(dialog->Create(1));
            delete dialog;
        }
    });
}
BENCHMARK(OpenAndCloseTheInformationDialog)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
