// Classes, creation, geometry, destruction and FindWindow, as Windows CE has them.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::RecordedWindow;
using test::Recorder;
using Lines = std::vector<std::string>;

namespace {

class WindowLifecycle : public ::testing::Test {
protected:
    void SetUp() override { Recorder::seen().clear(); }
    test::TestDevice device;
};

TEST_F(WindowLifecycle, CreationSendsOnlyCreateAndFocusAndTheLoopPaintsLater) {
    device.run([] {
        RecordedWindow(L"Top", WS_VISIBLE, 0, 0, 100, 100);
        Recorder::record(nullptr, WM_NULL);  // marks the return of CreateWindowEx
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    });
    EXPECT_EQ(Recorder::seen(),
              (Lines{"Top:WM_CREATE", "Top:WM_SETFOCUS", ":0", "Top:WM_PAINT", "Top:WM_ERASEBKGND"}));
}

// A default top-level window fills the work area below the taskbar; a border takes a pixel
// off each side of the client area.
TEST_F(WindowLifecycle, DefaultAndBorderedGeometry) {
    RECT default_rect{}, client{};
    POINT origin{0, 0};
    device.run([&] {
        HWND w = RecordedWindow(L"Default", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
        GetWindowRect(w, &default_rect);
        HWND top = RecordedWindow(L"Framed", WS_VISIBLE, 10, 20, 100, 50);
        HWND child = RecordedWindow(L"Boxed", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 30, 20, top);
        GetClientRect(child, &client);
        ClientToScreen(child, &origin);
    });
    EXPECT_EQ(test::corners(default_rect), (std::array<LONG, 4>{0, 26, 240, 320}));
    EXPECT_EQ(test::corners(client), (std::array<LONG, 4>{0, 0, 28, 18}));
    EXPECT_EQ(origin.x, 16);
    EXPECT_EQ(origin.y, 26);
}

// Class names are unique without regard to case and stay while windows of them exist;
// FindWindow sees only top-level windows; destroying a parent destroys its children after
// it and frees the capture they held.
TEST_F(WindowLifecycle, ClassesFindWindowAndDestruction) {
    ATOM second = 1;
    DWORD duplicate_error = 0, busy_error = 0;
    BOOL unregistered_busy = TRUE, unregistered_after = FALSE, alive = TRUE;
    HWND parent = nullptr, found = nullptr, child_found = nullptr, any_title = nullptr, capture_after = nullptr;
    device.run([&] {
        parent = RecordedWindow(L"Parent", WS_VISIBLE, 0, 0, 100, 100);
        HWND child = RecordedWindow(L"Kid", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
        HWND grandchild = RecordedWindow(L"G", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, child);
        found = FindWindow(L"PARENT", L"parent");
        child_found = FindWindow(L"Kid", L"Kid");
        any_title = FindWindow(L"Parent", nullptr);
        WNDCLASS wc = {};
        wc.lpfnWndProc = Recorder::Procedure;
        wc.lpszClassName = L"KID";
        second = RegisterClass(&wc);
        duplicate_error = GetLastError();
        unregistered_busy = UnregisterClass(L"kid", nullptr);
        busy_error = GetLastError();
        SetCapture(grandchild);
        Recorder::seen().clear();
        DestroyWindow(parent);
        alive = IsWindow(parent) || IsWindow(child) || IsWindow(grandchild);
        capture_after = GetCapture();
        unregistered_after = UnregisterClass(L"Kid", nullptr);
    });
    EXPECT_EQ(found, parent);
    EXPECT_EQ(any_title, parent);
    EXPECT_EQ(child_found, nullptr);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(duplicate_error, static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_FALSE(unregistered_busy);
    EXPECT_EQ(busy_error, static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    EXPECT_EQ(Recorder::seen(), (Lines{"Parent:WM_KILLFOCUS", "Parent:WM_DESTROY", "Kid:WM_DESTROY", "G:WM_DESTROY"}));
    EXPECT_FALSE(alive);
    EXPECT_EQ(capture_after, nullptr);
    EXPECT_TRUE(unregistered_after);
}

}  // namespace
