// Stylus input goes to the topmost window under the point, or to the capture holder, in
// client coordinates packed as 16-bit values.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::MakeWindow;

namespace {

struct Tap {
    std::string window;
    UINT message;
    int x, y;
};
std::vector<Tap> g_taps;

LRESULT CALLBACK Tracking(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEMOVE && message <= WM_LBUTTONUP) {
        WCHAR title[16];
        GetWindowText(window, title, 16);
        std::string name;
        for (WCHAR* c = title; *c; ++c) name += static_cast<char>(*c);
        g_taps.push_back({name, message, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        if (message == WM_LBUTTONDOWN) SetCapture(window);
        if (message == WM_LBUTTONUP) ReleaseCapture();
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

class InputRouting : public ::testing::Test {
protected:
    void SetUp() override {
        g_taps.clear();
        device.run([] {
            HWND top = MakeWindow(L"Top", WS_VISIBLE, 0, 100, 240, 100, nullptr, Tracking);
            MakeWindow(L"Child", WS_CHILD | WS_VISIBLE, 50, 20, 40, 30, top, Tracking);
            MakeWindow(L"Other", WS_VISIBLE, 0, 0, 240, 50, nullptr, Tracking);
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }
    test::TestDevice device;
};

}  // namespace

TEST_F(InputRouting, TheDeepestVisibleWindowUnderThePointGetsItInClientCoordinates) {
    device.host().tap(60, 130);
    device.host().tap(10, 110);
    ASSERT_EQ(g_taps.size(), 4u);
    EXPECT_EQ(g_taps[0].window, "Child");
    EXPECT_EQ(g_taps[0].x, 10);
    EXPECT_EQ(g_taps[0].y, 10);
    EXPECT_EQ(g_taps[2].window, "Top");
    EXPECT_EQ(g_taps[2].y, 10);
}

TEST_F(InputRouting, TheCaptureHolderGetsPointsOutsideItWithNegativeValuesWrapped) {
    device.host().stylus_down(60, 130);
    device.host().stylus_move(5, 5);
    device.host().stylus_up(5, 5);
    device.host().tap(5, 5);
    ASSERT_EQ(g_taps.size(), 5u);
    EXPECT_EQ(g_taps[1].window, "Child");
    EXPECT_EQ(g_taps[1].x, -45);
    EXPECT_EQ(g_taps[1].y, -115);
    EXPECT_EQ(g_taps[2].window, "Child");
    EXPECT_EQ(g_taps[3].window, "Other");
}

TEST_F(InputRouting, AHiddenWindowLetsTheStylusThroughToTheWindowBelow) {
    device.run([] { ShowWindow(FindWindow(L"Other", L"Other"), SW_HIDE); });
    device.host().tap(5, 5);
    EXPECT_TRUE(g_taps.empty());
    device.host().tap(60, 130);
    EXPECT_EQ(g_taps.size(), 2u);
}
