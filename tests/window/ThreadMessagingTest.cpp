// Sending between threads, where the differential programs cannot look: a thread started
// by another runs only once that one waits (a wait of no time answers at once), and a
// sender stopped while it waits has its message withdrawn, never handled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestDevice.h"
#include "support/TestWindow.h"

namespace {

const UINT kPing = WM_USER;
HWND g_target = nullptr;
std::vector<std::string> g_seen;

LRESULT CALLBACK Owner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kPing) return DefWindowProc(window, message, wParam, lParam);
    g_seen.push_back("handled " + std::to_string(wParam));
    return 100 + static_cast<LRESULT>(wParam);
}

DWORD WINAPI SendForever(LPVOID) {
    for (WPARAM n = 1;; ++n) g_seen.push_back("got " + std::to_string(SendMessage(g_target, kPing, n, 0)));
}

TEST(ThreadMessaging, ASenderStoppedWhileItWaitsHasItsMessageWithdrawn) {
    g_seen.clear();
    test::TestDevice device;
    DWORD polled = 0, exit_code = 0;
    device.run([&] {
        g_target = test::MakeWindow(L"Owner", 0, 0, 0, 10, 10, nullptr, Owner);
        HANDLE worker = CreateThread(nullptr, 0, SendForever, nullptr, 0, nullptr);
        polled = WaitForSingleObject(worker, 0);
        g_seen.push_back("polled");
        MSG msg;
        // Handle three sends; the worker then waits with its fourth.
        while (g_seen.size() < 6) {
            Sleep(1);
            if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
        }
        Sleep(1);
        TerminateThread(worker, 5);
        WaitForSingleObject(worker, INFINITE);
        GetExitCodeThread(worker, &exit_code);
        CloseHandle(worker);
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    });
    device.host().advance(100);
    EXPECT_EQ(polled, static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(g_seen, (std::vector<std::string>{"polled", "handled 1", "got 101", "handled 2", "got 102",
                                                    "handled 3", "got 103"}));
    EXPECT_EQ(exit_code, 5u);
}

}  // namespace
