// The configuration's hot paths: a one-row scroll of the application table (a block copy,
// one row and its icon look-up), and opening the dialog on a Start Menu of 256 items up to
// its first paint.
#include <benchmark/benchmark.h>

#include <functional>

#include <windows.h>

#include "config/ApplicationTable.h"
#include "config/ConfigDialog.h"
#include "config/ScrollOwner.h"
#include "resources/Resources.h"
#include "support/ProgramItems.h"
#include "support/TestDevice.h"
#include "support/TestWindow.h"

namespace {

const int kItems = 256;

// Runs `body` on a device under a full-screen bar, with the program's icons and a Start
// Menu of 256 items, every third one ticked.
void OnBar(std::function<void(HWND, HINSTANCE, ApplicationItem*)> body) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    auto items = test::ProgramItems(kItems);
    for (int i = 0; i < kItems; i += 3) items[i].selected = 1;
    device.run([&] {
        body(test::MakeWindow(L"Bar", WS_VISIBLE, 0, 0, 240, 320, nullptr, DefWindowProc), instance, items.data());
    });
}

// Handles every message waiting, paints included.
void Settle() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

void TableScrollsOneRow(benchmark::State& state) {
    OnBar([&](HWND bar, HINSTANCE instance, ApplicationItem* items) {
        auto* table = new ApplicationTable(L"Application Table", WS_CHILD | WS_VISIBLE, 20, 65, 200, 18, bar, instance);
        table->SetItems(items, kItems, 7);
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
    OnBar([&](HWND bar, HINSTANCE instance, ApplicationItem* items) {
        for (auto _ : state) {
            auto* dialog = new ConfigDialog(L"Config Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, 272, bar, instance,
                                            kConfigDialogCloseCommand);
            dialog->SetItems(items, kItems);
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
