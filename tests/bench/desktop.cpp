// The desktop window's two promises, measured under a real (or virtual) X server:
// idle means idle (CPU used over 10 s with the bar shown and nothing happening), and a
// changed screen is presented quickly (from a program's drawing to the window's update).
// Run it with a display, e.g. `xvfb-run -a bench_desktop`.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>

#include <SDL.h>
#include <windows.h>

#include "frontend/desktop/Desktop.h"
#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"
#include "resources/Resources.h"
#include "support/TestWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace {

using Clock = std::chrono::steady_clock;

double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

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

    // Handles events until `deadline`.
    void run_until(Clock::time_point deadline) {
        SDL_Event event;
        for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
            if (SDL_WaitEventTimeout(&event, static_cast<int>(left) + 1)) desktop->handle(event);
        }
    }

    emu::TemporaryFolder folder;
    std::unique_ptr<emu::desktop::DesktopWindow> window;
    std::unique_ptr<emu::DeviceHost> host;
    std::unique_ptr<emu::desktop::Desktop> desktop;
};

void IdleCpuWithTheBarShown(benchmark::State& state) {
    DesktopRun run;
    if (!run.ready()) return state.SkipWithError("no display");
    run.host->install(L"\\Windows\\Tesselink.exe", &WinMain, tesselink_resources());
    run.host->start(L"\\Windows\\Tesselink.exe");
    run.open();
    run.run_until(Clock::now() + std::chrono::milliseconds(500));  // the bar's start-up settles
    for (auto _ : state) {
        const auto cpu_before = cpu_seconds();
        const auto started = Clock::now();
        run.run_until(started + std::chrono::seconds(10));
        const std::chrono::duration<double> wall = Clock::now() - started;
        state.counters["cpu_percent"] = 100 * (cpu_seconds() - cpu_before) / wall.count();
    }
}
BENCHMARK(IdleCpuWithTheBarShown)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

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
