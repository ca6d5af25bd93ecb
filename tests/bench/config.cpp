// Opening the configuration dialog on a Start Menu of 256 items, every third one ticked, up
// to its first paint, under a full-screen bar.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "config/ConfigDialog.h"
#include "resources/Resources.h"
#include "support/ProgramItems.h"
#include "support/TestDevice.h"
#include "support/TestWindow.h"

namespace {

const int kItems = 256;

// Handles every message waiting, paints included.
void Settle() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

void OpenDialogOn256Items(benchmark::State& state) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    auto items = test::ProgramItems(kItems);
    for (int i = 0; i < kItems; i += 3) items[i].selected = 1;
    device.run([&] {
        HWND bar = test::MakeWindow(L"Bar", WS_VISIBLE, 0, 0, 240, 320, nullptr, DefWindowProc);
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
