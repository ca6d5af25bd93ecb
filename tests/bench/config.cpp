// The configuration's hot paths: a drag step of the scroll bar's thumb (two block copies),
// a one-row scroll of the application table (a block copy, one row and its icon look-up),
// and opening the dialog on a Start Menu of 256 items up to its first paint.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <windows.h>

#include "apps/ApplicationItem.h"
#include "config/ApplicationTable.h"
#include "config/ConfigDialog.h"
#include "config/ScrollBar.h"
#include "config/ScrollOwner.h"
#include "resources/Resources.h"
#include "support/TestDevice.h"

namespace {

const int kItems = 256;

std::vector<ApplicationItem> StartMenu() {
    const wchar_t* programs[] = {L"calc", L"calendar", L"contacts", L"inbox", L"notes",
                                 L"tasks", L"pword", L"pxl", L"iexplore", L"fexplore"};
    std::vector<ApplicationItem> items(kItems);
    for (int i = 0; i < kItems; ++i) {
        items[i].path = std::wstring(L"\\Windows\\") + programs[i % 10] + L".exe";
        items[i].name = L"Program " + std::to_wstring(i);
        items[i].selected = i % 3 == 0;
    }
    return items;
}

HWND MakeBar() {
    WNDCLASS wc = {};
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = L"Bar";
    RegisterClass(&wc);
    return CreateWindowEx(0, L"Bar", L"Bar", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
}

// Handles every message waiting, paints included.
void Settle() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

class IgnoringOwner : public ScrollOwner {
public:
    void Scroll(int, int) override {}
};

void ThumbDragStep(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    device.run([&] {
        HWND bar = MakeBar();
        IgnoringOwner owner;
        auto* scrollBar = new ScrollBar(L"Scroll Bar", WS_CHILD | WS_VISIBLE, 100, 50, 15, 124, bar, instance);
        scrollBar->SetOwner(&owner);
        HWND window = scrollBar->Create(1, kItems, 7);
        Settle();
        SendMessage(window, WM_LBUTTONDOWN, 0, MAKELPARAM(7, 16));
        SendMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(7, 16));
        const LPARAM moves[2] = {MAKELPARAM(7, 40), MAKELPARAM(7, 16)};
        int next = 0;
        for (auto _ : state) {
            SendMessage(window, WM_MOUSEMOVE, 0, moves[next]);
            next ^= 1;
        }
        SendMessage(window, WM_LBUTTONUP, 0, MAKELPARAM(7, 16));
        delete scrollBar;
    });
}
BENCHMARK(ThumbDragStep);

void TableScrollsOneRow(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    auto items = StartMenu();
    device.run([&] {
        HWND bar = MakeBar();
        auto* table = new ApplicationTable(L"Application Table", WS_CHILD | WS_VISIBLE, 20, 65, 200, 18, bar, instance);
        table->SetItems(items.data(), kItems, 7);
        table->Create(1);
        Settle();
        int first = 0;
        for (auto _ : state) {
            first = 1 - first;
            table->Scroll(kScrollNotification, first);
        }
        delete table;
    });
}
BENCHMARK(TableScrollsOneRow);

void OpenDialogOn256Items(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    auto items = StartMenu();
    device.run([&] {
        HWND bar = MakeBar();
        for (auto _ : state) {
            auto* dialog = new ConfigDialog(L"Config Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, 272, bar, instance,
                                            kConfigDialogCloseCommand);
            dialog->SetItems(items.data(), kItems);
            dialog->SetOptions(0, 1);
            dialog->Create(1);
            Settle();
            state.PauseTiming();
            delete dialog;
            Settle();
            state.ResumeTiming();
        }
    });
}
BENCHMARK(OpenDialogOn256Items)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
