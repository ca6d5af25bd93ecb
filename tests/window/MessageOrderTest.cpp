// The order in which a thread sees its messages, and the paint cycle.
#include <gtest/gtest.h>

#include "Recorder.h"
#include "support/TestDevice.h"

using test::RecordedWindow;
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

TEST_F(MessageOrder, SendsNestAtOnceAndPostedMessagesComeInOrderBeforeQuit) {
    LRESULT result = 0;
    int exit_code = -1;
    device.run([&] {
        HWND w = RecordedWindow(L"N", 0, 0, 0, 10, 10, nullptr, Nesting);
        Recorder::seen().clear();
        result = SendMessage(w, kOuter, 0, 0);
        PostQuitMessage(7);
        PostMessage(w, WM_USER + 3, 0, 0);
        PostMessage(w, WM_USER + 4, 0, 0);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        exit_code = static_cast<int>(msg.wParam);
    });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(Recorder::seen(), (Lines{"N:1025", "N:1026", "inner returned 41", "N:1027", "N:1028"}));
    EXPECT_EQ(exit_code, 7);
}

// A posted message comes before input, even input that arrived first.
TEST_F(MessageOrder, PostedMessagesComeBeforeInput) {
    device.run([] {
        HWND w = RecordedWindow(L"P", WS_VISIBLE, 0, 100, 240, 100);
        Sleep(100);  // meanwhile the stylus goes down
        PostMessage(w, WM_USER, 0, 0);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    });
    Recorder::seen().clear();
    device.host().stylus_down(120, 150);
    device.host().advance(100);
    ASSERT_GE(Recorder::seen().size(), 2u);
    EXPECT_EQ(Lines(Recorder::seen().begin(), Recorder::seen().begin() + 2), (Lines{"P:1024", "P:WM_LBUTTONDOWN"}));
}

// UpdateWindow paints at once only what is invalid; BeginPaint reports and validates the
// update region; a paint waits until the queue is empty, and the quit message comes first.
TEST_F(MessageOrder, ThePaintCycle) {
    PAINTSTRUCT ps{};
    BOOL invalid_after_paint = TRUE, invalid_after_update = TRUE;
    device.run([&] {
        HWND w = RecordedWindow(L"W", WS_VISIBLE, 0, 0, 50, 50);
        ValidateRect(w, nullptr);
        Recorder::seen().clear();
        UpdateWindow(w);
        Recorder::seen().push_back("valid");
        RECT part{5, 6, 20, 30};
        InvalidateRect(w, &part, FALSE);
        BeginPaint(w, &ps);
        EndPaint(w, &ps);
        invalid_after_paint = GetUpdateRect(w, nullptr, FALSE);
        InvalidateRect(w, &part, FALSE);
        UpdateWindow(w);
        invalid_after_update = GetUpdateRect(w, nullptr, FALSE);

        InvalidateRect(w, nullptr, FALSE);
        PostMessage(w, WM_USER + 5, 0, 0);
        MSG msg;
        for (int i = 0; i < 2; ++i) {
            GetMessage(&msg, nullptr, 0, 0);
            DispatchMessage(&msg);
        }
        PostQuitMessage(0);
        InvalidateRect(w, nullptr, FALSE);
        Recorder::seen().push_back(GetMessage(&msg, nullptr, 0, 0) ? "message" : "quit");
    });
    EXPECT_EQ(Recorder::seen(), (Lines{"valid", "W:WM_PAINT", "W:1029", "W:WM_PAINT", "quit"}));
    EXPECT_EQ(test::corners(ps.rcPaint), (std::array<LONG, 4>{5, 6, 20, 30}));
    EXPECT_FALSE(invalid_after_paint);
    EXPECT_FALSE(invalid_after_update);
}

TEST_F(MessageOrder, HidingInvalidatesWhatWasUnderneathAndShowingInvalidatesTheWindow) {
    RECT below_update{}, top_update{};
    device.run([&] {
        HWND below = RecordedWindow(L"Below", WS_VISIBLE, 0, 0, 100, 100);
        HWND top = RecordedWindow(L"Above", WS_VISIBLE, 10, 10, 20, 20);
        ValidateRect(below, nullptr);
        ValidateRect(top, nullptr);
        ShowWindow(top, SW_HIDE);
        GetUpdateRect(below, &below_update, FALSE);
        ValidateRect(below, nullptr);
        ShowWindow(top, SW_SHOW);
        GetUpdateRect(top, &top_update, FALSE);
    });
    EXPECT_EQ(test::corners(below_update), (std::array<LONG, 4>{10, 10, 30, 30}));
    EXPECT_EQ(test::corners(top_update), (std::array<LONG, 4>{0, 0, 20, 20}));
}

}  // namespace
