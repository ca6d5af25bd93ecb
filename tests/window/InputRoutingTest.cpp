// Stylus input goes to the deepest visible window under the point, or to the capture
// holder, in client coordinates packed as 16-bit values.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::RecordedWindow;

namespace {

// "<window>:<message> x,y" for every stylus message; a press takes the capture, a release frees it.
LRESULT CALLBACK Tracking(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_MOUSEMOVE || message > WM_LBUTTONUP) return DefWindowProc(window, message, wParam, lParam);
    test::Recorder::record(window, message);
    auto& line = test::Recorder::seen().back();
    line += ' ';
    line += std::to_string(static_cast<short>(LOWORD(lParam)));
    line += ',';
    line += std::to_string(static_cast<short>(HIWORD(lParam)));
    if (message == WM_LBUTTONDOWN) SetCapture(window);
    if (message == WM_LBUTTONUP) ReleaseCapture();
    return 0;
}

TEST(InputRouting, TheDeepestVisibleWindowOrTheCaptureHolderGetsTheStylusInClientCoordinates) {
    test::Recorder::seen().clear();
    test::TestDevice device;
    device.run([] {
        HWND top = RecordedWindow(L"Top", WS_VISIBLE, 0, 100, 240, 100, nullptr, Tracking);
        RecordedWindow(L"Child", WS_CHILD | WS_VISIBLE, 50, 20, 40, 30, top, Tracking);
        RecordedWindow(L"Other", WS_VISIBLE, 0, 0, 240, 50, nullptr, Tracking);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    });
    device.host().tap(60, 130);
    device.host().tap(10, 110);
    // Held on the child, the stylus stays with it off its area, with negative values wrapped.
    device.host().stylus_down(60, 130);
    device.host().stylus_move(5, 5);
    device.host().stylus_up(5, 5);
    device.host().tap(5, 5);
    device.run([] { ShowWindow(FindWindow(L"Other", L"Other"), SW_HIDE); });
    device.host().tap(5, 5);  // through to the desktop: nobody
    EXPECT_EQ(test::Recorder::seen(),
              (std::vector<std::string>{"Child:WM_LBUTTONDOWN 10,10", "Child:WM_LBUTTONUP 10,10", "Top:WM_LBUTTONDOWN 10,10",
                                        "Top:WM_LBUTTONUP 10,10", "Child:WM_LBUTTONDOWN 10,10", "Child:WM_MOUSEMOVE -45,-115",
                                        "Child:WM_LBUTTONUP -45,-115", "Other:WM_LBUTTONDOWN 5,5", "Other:WM_LBUTTONUP 5,5"}));
}

}  // namespace
