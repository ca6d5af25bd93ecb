// The order in which a thread sees its messages, and the paint cycle.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::MakeWindow;
using test::Recorder;
using Lines = std::vector<std::string>;

namespace {

const UINT kOuter = WM_USER + 1, kInner = WM_USER + 2;

LRESULT CALLBACK Nesting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Recorder::record(window, message);
    if (message == kOuter) {
        LRESULT inner = SendMessage(window, kInner, 0, 0);
        Recorder::seen().push_back("inner returned " + std::to_string(inner));
        return inner + 1;
    }
    if (message == kInner) return 41;
    return DefWindowProc(window, message, wParam, lParam);
}

class MessageOrder : public ::testing::Test {
protected:
    void SetUp() override { Recorder::seen().clear(); }
    test::TestDevice device;
};

}  // namespace

TEST_F(MessageOrder, SameThreadSendsNestAndReturnAtOnce) {
    LRESULT result = 0;
    device.run([&] {
        HWND w = MakeWindow(L"N", 0, 0, 0, 10, 10, nullptr, Nesting);
        Recorder::seen().clear();
        result = SendMessage(w, kOuter, 0, 0);
    });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(Recorder::seen(), (Lines{"N:1025", "N:1026", "inner returned 41"}));
}

TEST_F(MessageOrder, PostedMessagesComeInOrderAndQuitAfterThem) {
    int exit_code = -1;
    device.run([&] {
        HWND w = MakeWindow(L"Q", 0, 0, 0, 10, 10);
        PostQuitMessage(7);
        PostMessage(w, WM_USER + 3, 0, 0);
        PostMessage(w, WM_USER + 4, 0, 0);
        Recorder::seen().clear();
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        exit_code = static_cast<int>(msg.wParam);
    });
    EXPECT_EQ(Recorder::seen(), (Lines{"Q:1027", "Q:1028"}));
    EXPECT_EQ(exit_code, 7);
}

TEST_F(MessageOrder, PaintWaitsUntilTheQueueIsEmptyAndQuitComesBeforeIt) {
    device.run([&] {
        HWND w = MakeWindow(L"W", WS_VISIBLE, 0, 0, 50, 50);
        ValidateRect(w, nullptr);
        InvalidateRect(w, nullptr, FALSE);
        PostMessage(w, WM_USER + 5, 0, 0);
        Recorder::seen().clear();
        MSG msg;
        for (int i = 0; i < 2; ++i) {
            GetMessage(&msg, nullptr, 0, 0);
            DispatchMessage(&msg);
        }
        PostQuitMessage(0);
        InvalidateRect(w, nullptr, FALSE);
        Recorder::seen().push_back(GetMessage(&msg, nullptr, 0, 0) ? "message" : "quit");
    });
    EXPECT_EQ(Recorder::seen(), (Lines{"W:1029", "W:WM_PAINT", "quit"}));
}

TEST_F(MessageOrder, UpdateWindowPaintsAtOnceOnlyWhenSomethingIsInvalid) {
    RECT after{1, 1, 1, 1};
    BOOL still_invalid = TRUE;
    device.run([&] {
        HWND w = MakeWindow(L"U", WS_VISIBLE, 0, 0, 50, 50);
        ValidateRect(w, nullptr);
        Recorder::seen().clear();
        UpdateWindow(w);
        Recorder::seen().push_back("valid");
        RECT part{5, 5, 10, 10};
        InvalidateRect(w, &part, FALSE);
        UpdateWindow(w);
        still_invalid = GetUpdateRect(w, &after, FALSE);
    });
    EXPECT_EQ(Recorder::seen(), (Lines{"valid", "U:WM_PAINT"}));
    EXPECT_FALSE(still_invalid);
}

TEST_F(MessageOrder, BeginPaintReportsAndValidatesTheUpdateRegion) {
    PAINTSTRUCT ps{};
    BOOL invalid_after = TRUE;
    device.run([&] {
        HWND w = MakeWindow(L"B", WS_VISIBLE, 0, 0, 50, 50);
        ValidateRect(w, nullptr);
        RECT part{5, 6, 20, 30};
        InvalidateRect(w, &part, FALSE);
        BeginPaint(w, &ps);
        EndPaint(w, &ps);
        invalid_after = GetUpdateRect(w, nullptr, FALSE);
    });
    EXPECT_EQ(ps.rcPaint.left, 5);
    EXPECT_EQ(ps.rcPaint.top, 6);
    EXPECT_EQ(ps.rcPaint.right, 20);
    EXPECT_EQ(ps.rcPaint.bottom, 30);
    EXPECT_FALSE(invalid_after);
}

TEST_F(MessageOrder, HidingInvalidatesWhatWasUnderneathAndShowingInvalidatesTheWindow) {
    RECT below_update{}, top_update{};
    device.run([&] {
        HWND below = MakeWindow(L"Below", WS_VISIBLE, 0, 0, 100, 100);
        HWND top = MakeWindow(L"Above", WS_VISIBLE, 10, 10, 20, 20);
        ValidateRect(below, nullptr);
        ValidateRect(top, nullptr);
        ShowWindow(top, SW_HIDE);
        GetUpdateRect(below, &below_update, FALSE);
        ValidateRect(below, nullptr);
        ShowWindow(top, SW_SHOW);
        GetUpdateRect(top, &top_update, FALSE);
    });
    EXPECT_EQ(below_update.left, 10);
    EXPECT_EQ(below_update.top, 10);
    EXPECT_EQ(below_update.right, 30);
    EXPECT_EQ(below_update.bottom, 30);
    EXPECT_EQ(top_update.right, 20);
    EXPECT_EQ(top_update.bottom, 20);
}
