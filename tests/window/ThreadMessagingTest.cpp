// Sending between threads: the owner handles the message while the sender waits, and a
// sender that is stopped while it waits never has its message handled.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::RecordedWindow;
using test::Recorder;
using Lines = std::vector<std::string>;

namespace {

const UINT kPing = WM_USER + 10;
HWND g_target = nullptr;
DWORD g_handled_on = 0;

LRESULT CALLBACK Owner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kPing) return DefWindowProc(window, message, wParam, lParam);
    g_handled_on = GetCurrentThreadId();
    Recorder::seen().push_back("handled " + std::to_string(wParam));
    return 100 + static_cast<LRESULT>(wParam);
}

DWORD WINAPI SendOnce(LPVOID) {
    Recorder::seen().push_back("worker sends");
    Recorder::seen().push_back("worker got " + std::to_string(SendMessage(g_target, kPing, 1, 0)));
    return 0;
}

DWORD WINAPI SendForever(LPVOID) {
    for (WPARAM n = 2;; ++n) SendMessage(g_target, kPing, n, 0);
}

void RunLoop() {
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
}

// The worker runs only once the owner waits; the owner handles its send on its own thread.
// A worker stopped while it waits to send has its message withdrawn.
TEST(ThreadMessaging, ASendIsHandledOnTheOwnersThreadWhileTheSenderWaitsAndWithdrawnWhenItStops) {
    Recorder::seen().clear();
    test::TestDevice device;
    DWORD ui_thread = 0, polled = 0, exit_code = 0;
    device.run([&] {
        g_target = RecordedWindow(L"Owner", 0, 0, 0, 10, 10, nullptr, Owner);
        ui_thread = GetCurrentThreadId();
        HANDLE worker = CreateThread(nullptr, 0, SendOnce, nullptr, 0, nullptr);
        polled = WaitForSingleObject(worker, 0);
        Recorder::seen().push_back("polled");
        RunLoop();
    });
    EXPECT_EQ(polled, static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(g_handled_on, ui_thread);
    device.run([&] {
        g_target = RecordedWindow(L"Owner", 0, 0, 0, 10, 10, nullptr, Owner);
        HANDLE worker = CreateThread(nullptr, 0, SendForever, nullptr, 0, nullptr);
        MSG msg;
        // Handle two sends; the worker then waits with its third.
        while (Recorder::seen().size() < 6) {
            Sleep(1);
            if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
        }
        Sleep(1);  // the worker queues its third send and waits
        TerminateThread(worker, 5);
        WaitForSingleObject(worker, INFINITE);
        GetExitCodeThread(worker, &exit_code);
        CloseHandle(worker);
        RunLoop();
    });
    device.host().advance(100);
    EXPECT_EQ(Recorder::seen(), (Lines{"polled", "worker sends", "handled 1", "worker got 101", "handled 2", "handled 3"}));
    EXPECT_EQ(exit_code, 5u);
}

}  // namespace
