// The strip under a moving stylus: each move lands on another cell, so the strip redraws
// the cell it leaves and the one it presses, each with its shell icon.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"
#include "resources/Resources.h"
#include "support/TestDevice.h"

namespace {

HWND MakeParent() {
    WNDCLASS wc = {};
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = L"Bar";
    RegisterClass(&wc);
    return CreateWindowEx(0, L"Bar", L"Bar", WS_VISIBLE, 0, 271, 240, 49, nullptr, nullptr, nullptr, nullptr);
}

void StylusMoveChangesThePressedCell(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    ApplicationItem items[10];
    const wchar_t* programs[] = {L"calc", L"calendar", L"contacts", L"inbox", L"notes",
                                 L"tasks", L"pword",    L"pxl",      L"iexplore", L"fexplore"};
    for (int i = 0; i < 10; ++i) items[i].path = std::wstring(L"\\Windows\\") + programs[i] + L".exe";
    device.run([&] {
        HWND parent = MakeParent();
        auto* strip = new ApplicationStrip(L"Application Bar", WS_CHILD | WS_VISIBLE, 5, 5, 230, 20, parent, instance,
                                           3028);
        strip->SetItems(items, 10);
        HWND window = strip->Create(1, 1);
        strip->Paint();
        const LPARAM cells[2] = {MAKELPARAM(65, 10), MAKELPARAM(125, 10)};
        int next = 0;
        for (auto _ : state) {
            SendMessage(window, WM_MOUSEMOVE, 1, cells[next]);
            next ^= 1;
        }
        delete strip;
    });
}
BENCHMARK(StylusMoveChangesThePressedCell);

}  // namespace

BENCHMARK_MAIN();
