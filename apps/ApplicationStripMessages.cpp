// The strip's window procedure and what it does with each message: painting, the stylus
// and the page buttons' commands.
#include "apps/ApplicationStrip.h"

#include "ui/ControlWindow.h"
#include "ui/IconButton.h"

namespace {

// The stylus counts on the strip between the page buttons' places at either end.
const int kColumnsInset = 15;

}  // namespace

bool ApplicationStrip::InColumns(WORD x) const {
    RECT client;
    GetClientRect(window_, &client);
    return x >= kColumnsInset && x <= client.right - kColumnsInset;
}

bool ApplicationStrip::InStrip(WORD x, WORD y) const {
    RECT client;
    GetClientRect(window_, &client);
    return InColumns(x) && y >= client.top && y < client.bottom;
}

void ApplicationStrip::OnPaintMessage() {
    PAINTSTRUCT ps;
    BeginPaint(window_, &ps);
    Paint();
    EndPaint(window_, &ps);
}

// Only the press that began on the strip, which holds the capture, presses its cells: a pen
// put down elsewhere leaves the strip without a move or a release the strip would see.
void ApplicationStrip::OnStylusMove(WORD x, WORD y) {
    if (GetCapture() != window_) return;
    if (InStrip(x, y))
        PressAt(x, y);
    else
        ClearPress();
}

void ApplicationStrip::OnStylusDown(WORD x, WORD y) {
    if (!InColumns(x)) return;
    SetCapture(window_);
    PressAt(x, y);
}

// A pen lifted outside the strip has left it: the press ends without a launch.
void ApplicationStrip::OnStylusUp(WORD x, WORD y) {
    ReleaseCapture();
    if (InStrip(x, y))
        LaunchPressedItem();
    else
        ClearPress();
}

void ApplicationStrip::TurnPage(int pages) {
    if (IconButton* button = pageButtons_.Turning(smallMode_, pages)) button->DrawUp();
    firstShown_ += pages * PageSize();
    Paint();
    if (sound_) MessageBeep(MB_ICONHAND);
}

LRESULT CALLBACK ApplicationStrip::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message)) return 0;
    auto* strip = static_cast<ApplicationStrip*>(FindControl(window));
    if (!strip) return DefWindowProc(window, message, wParam, lParam);
    WORD x = LOWORD(lParam), y = HIWORD(lParam);
    switch (message) {
    case WM_PAINT: strip->OnPaintMessage(); return 0;
    case WM_MOUSEMOVE: strip->OnStylusMove(x, y); return 0;
    case WM_LBUTTONDOWN: strip->OnStylusDown(x, y); return 0;
    case WM_LBUTTONUP: strip->OnStylusUp(x, y); return 0;
    case kPreviousPageCommand: strip->TurnPage(-1); return 0;
    case kNextPageCommand: strip->TurnPage(1); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
