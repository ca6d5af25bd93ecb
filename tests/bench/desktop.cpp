// The desktop window's frame latency, measured under a real (or virtual) X server: how soon
// a changed screen is presented, from a program's drawing to the window's update. Run it
// with a display, e.g. `xvfb-run -a bench_desktop`.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>

#include <SDL.h>
#include <windows.h>

#include "frontend/desktop/Desktop.h"
#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"
#include "support/TestWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

// A desktop window on a fresh device with a real clock; `ready` false without a display.
struct DesktopRun {
    DesktopRun() {
        std::string error;
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return;
        window = emu::desktop::DesktopWindow::open("bench", emu::desktop::DesktopLayout(2).window(), error);
        host = emu::DeviceHost::boot({folder.path(), true, emu::Clock::Mode::Real}, error);
    }
    ~DesktopRun() {
        desktop.reset();
        host.reset();
        window.reset();
        SDL_Quit();
    }
    bool ready() const { return window && host; }
    void open() { desktop = std::make_unique<emu::desktop::Desktop>(*host, *window, 2); }

    emu::TemporaryFolder folder;
    std::unique_ptr<emu::desktop::DesktopWindow> window;
    std::unique_ptr<emu::DeviceHost> host;
    std::unique_ptr<emu::desktop::Desktop> desktop;
};

std::atomic<Clock::rep> g_painted_at{0};
std::atomic<bool> g_stop_painting{false};

// A program that covers the screen and repaints it in a new colour every 30 ms.
int Painter() {
    HWND window = test::MakeWindow(L"Painter", WS_VISIBLE | WS_POPUP, 0, 0, 240, 320, nullptr, DefWindowProc);
    RECT all = {0, 0, 240, 320};
    for (int frame = 1; !g_stop_painting; ++frame) {
        Sleep(30);
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(RGB(frame * 37 % 256, frame * 91 % 256, frame * 13 % 256));
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
        g_painted_at = Clock::now().time_since_epoch().count();
    }
    return 0;
}

void ChangedScreenPresented(benchmark::State& state) {
    DesktopRun run;
    if (!run.ready()) return state.SkipWithError("no display");
    g_stop_painting = false;
    run.host->run(L"\\Windows\\painter.exe", Painter);
    run.open();
    double slowest = 0;
    SDL_Event event;
    for (auto _ : state) {
        const auto frames = run.desktop->screen_frames();
        while (run.desktop->screen_frames() == frames && SDL_WaitEvent(&event)) run.desktop->handle(event);
        const std::chrono::duration<double> latency =
            Clock::now() - Clock::time_point(Clock::duration(g_painted_at.load()));
        slowest = std::max(slowest, latency.count());
        state.SetIterationTime(latency.count());
    }
    state.counters["slowest_ms"] = slowest * 1000;
    g_stop_painting = true;
}
BENCHMARK(ChangedScreenPresented)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
