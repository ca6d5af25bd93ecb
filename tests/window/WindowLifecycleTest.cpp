// Classes, creation, destruction and FindWindow, as Windows CE has them.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::MakeWindow;
using test::Recorder;
using Lines = std::vector<std::string>;

namespace {

class WindowLifecycle : public ::testing::Test {
protected:
    void SetUp() override { Recorder::seen().clear(); }
    test::TestDevice device;
};

}  // namespace

TEST_F(WindowLifecycle, CreationSendsOnlyCreateAndTheLoopPaintsLater) {
    device.run([] {
        MakeWindow(L"Top", WS_VISIBLE, 0, 0, 100, 100);
        Recorder::record(nullptr, WM_NULL);  // marks the return of CreateWindowEx
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    });
    EXPECT_EQ(Recorder::seen(),
              (Lines{"Top:WM_CREATE", "Top:WM_SETFOCUS", ":0", "Top:WM_PAINT", "Top:WM_ERASEBKGND"}));
}

TEST_F(WindowLifecycle, ClassNamesAreUniqueAndStayWhileWindowsExist) {
    ATOM second = 1;
    DWORD duplicate_error = 0, busy_error = 0;
    BOOL unregistered_busy = TRUE, unregistered_after = FALSE;
    device.run([&] {
        HWND w = MakeWindow(L"Shared", 0, 0, 0, 10, 10);
        WNDCLASS wc = {};
        wc.lpfnWndProc = Recorder::Procedure;
        wc.lpszClassName = L"SHARED";
        second = RegisterClass(&wc);
        duplicate_error = GetLastError();
        unregistered_busy = UnregisterClass(L"shared", nullptr);
        busy_error = GetLastError();
        DestroyWindow(w);
        unregistered_after = UnregisterClass(L"Shared", nullptr);
    });
    EXPECT_EQ(second, 0);
    EXPECT_EQ(duplicate_error, static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_FALSE(unregistered_busy);
    EXPECT_EQ(busy_error, static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    EXPECT_TRUE(unregistered_after);
}

TEST_F(WindowLifecycle, FindWindowSeesTopLevelWindowsWithoutRegardToCase) {
    HWND top = nullptr, found = nullptr, child_found = nullptr, any_title = nullptr;
    device.run([&] {
        top = MakeWindow(L"Parent", WS_VISIBLE, 0, 0, 100, 100);
        MakeWindow(L"Kid", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
        found = FindWindow(L"PARENT", L"parent");
        child_found = FindWindow(L"Kid", L"Kid");
        any_title = FindWindow(L"Parent", nullptr);
    });
    EXPECT_EQ(found, top);
    EXPECT_EQ(child_found, nullptr);
    EXPECT_EQ(any_title, top);
}

TEST_F(WindowLifecycle, DestroyingAParentDestroysItsChildrenAfterIt) {
    HWND parent = nullptr, child = nullptr, grandchild = nullptr;
    BOOL alive[3] = {TRUE, TRUE, TRUE};
    HWND capture_after = nullptr;
    device.run([&] {
        parent = MakeWindow(L"P", WS_VISIBLE, 0, 0, 100, 100);
        child = MakeWindow(L"C", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
        grandchild = MakeWindow(L"G", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, child);
        SetCapture(grandchild);
        Recorder::seen().clear();
        DestroyWindow(parent);
        alive[0] = IsWindow(parent), alive[1] = IsWindow(child), alive[2] = IsWindow(grandchild);
        capture_after = GetCapture();
    });
    EXPECT_EQ(Recorder::seen(), (Lines{"P:WM_KILLFOCUS", "P:WM_DESTROY", "C:WM_DESTROY", "G:WM_DESTROY"}));
    EXPECT_FALSE(alive[0] || alive[1] || alive[2]);
    EXPECT_EQ(capture_after, nullptr);
}

TEST_F(WindowLifecycle, DefaultTopLevelWindowFillsTheWorkAreaBelowTheTaskbar) {
    RECT rect{};
    device.run([&] {
        HWND w = MakeWindow(L"Default", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
        GetWindowRect(w, &rect);
    });
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, 320);
}

TEST_F(WindowLifecycle, ABorderTakesOnePixelOffEachSideOfTheClientArea) {
    RECT client{};
    POINT origin{0, 0};
    device.run([&] {
        HWND top = MakeWindow(L"Framed", WS_VISIBLE, 10, 20, 100, 50);
        HWND child = MakeWindow(L"Boxed", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 30, 20, top);
        GetClientRect(child, &client);
        ClientToScreen(child, &origin);
    });
    EXPECT_EQ(client.right, 28);
    EXPECT_EQ(client.bottom, 18);
    EXPECT_EQ(origin.x, 16);
    EXPECT_EQ(origin.y, 26);
}
