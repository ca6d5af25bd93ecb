// The window system's message costs: a same-thread send, and a send from another thread
// and back.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "support/TestDevice.h"
#include "support/TestWindow.h"

namespace {

LRESULT CALLBACK Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return static_cast<LRESULT>(wParam) + 1;
    return DefWindowProc(window, message, wParam, lParam);
}

// A window of a class of its own name that answers WM_USER.
HWND MakeWindow(const wchar_t* name, DWORD style, HWND parent) {
    return test::MakeWindow(name, style, 0, 0, 20, 20, parent, Answer);
}

void SameThreadSend(benchmark::State& state) {
    test::TestDevice device;
    device.run([&] {
        HWND w = MakeWindow(L"Target", WS_VISIBLE, nullptr);
        WPARAM n = 0;
        for (auto _ : state) benchmark::DoNotOptimize(n = SendMessage(w, WM_USER, n, 0));
    });
}
BENCHMARK(SameThreadSend);

benchmark::State* g_state = nullptr;
HWND g_target = nullptr;

DWORD WINAPI Sender(LPVOID) {
    WPARAM n = 0;
    for (auto _ : *g_state) benchmark::DoNotOptimize(n = SendMessage(g_target, WM_USER, n, 0));
    PostMessage(g_target, WM_QUIT, 0, 0);
    return 0;
}

void CrossThreadSendRoundTrip(benchmark::State& state) {
    test::TestDevice device;
    g_state = &state;
    device.run([&] {
        g_target = MakeWindow(L"Target", WS_VISIBLE, nullptr);
        CloseHandle(CreateThread(nullptr, 0, Sender, nullptr, 0, nullptr));
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0) && msg.message != WM_QUIT) DispatchMessage(&msg);
    });
}
BENCHMARK(CrossThreadSendRoundTrip)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
