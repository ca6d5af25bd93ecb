#include "config/ScrollBar.h"

#include "ui/ControlWindow.h"
#include "ui/RepeatButton.h"

namespace {

const COLORREF kTrackColour = RGB(200, 200, 200);
const COLORREF kTrackEdgeColour = RGB(165, 165, 165);
const COLORREF kThumbColour = RGB(255, 255, 255);
const WORD kGripIcon = 153;
const int kGripSize = 13;
// A thumb this long or longer carries the grip in its middle.
const int kShortestGrippedThumb = 15;
const int kButtonSize = 15;

struct ButtonPlan {
    LPCWSTR name;
    int bottomOffset;  // distance of the button's top from the bottom, or 0 for the top
    UINT command;
    WORD upIcon, downIcon;
};

const ButtonPlan kButtons[] = {
    {L"Scroll Up Button", 0, kLineUpCommand, 149, 150},
    {L"Scroll Up 2 Button", 29, kLineUpCommand, 149, 150},
    {L"Scroll Down Button", 15, kLineDownCommand, 151, 152},
};

void DrawSegment(HDC dc, int x1, int y1, int x2, int y2) {
    POINT points[] = {{x1, y1}, {x2, y2}};
    Polyline(dc, points, 2);
}

}  // namespace

ScrollBar::ScrollBar(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                     HINSTANCE instance)
    : instance_(instance), geometry_{0, 0, height}, width_(width), parent_(parent), windowName_(windowName),
      style_(style), x_(x), y_(y) {}

ScrollBar::~ScrollBar() {
    worker_.Stop();
    for (RepeatButton*& button : buttons_) {
        delete button;
        button = nullptr;
    }
    DestroyControlWindow(window_, classAtom_);
}

HWND ScrollBar::Create(int show, int itemCount, int visibleCount) {
    geometry_.itemCount = itemCount;
    geometry_.visibleCount = visibleCount;
    state_.thumbTop = kTrackTop;
    state_.thumbLength = geometry_.ThumbLength();
    state_.thumbLimit = geometry_.ThumbLimit(state_.thumbLength);
    const ControlWindowLayout layout{windowName_.c_str(), style_, x_, y_, width_, geometry_.height, parent_, instance_,
                                 WindowProc};
    if (!CreateControlWindow(layout, this, window_, classAtom_)) return nullptr;
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

void ScrollBar::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    if (trackImage_.Empty()) PaintTrack(dc, client);
    else trackImage_.Draw(dc, 0, 0);
    if (thumbImage_.Empty()) PaintThumb(dc);
    else thumbImage_.Draw(dc, 0, state_.thumbTop);
    CreateButtons();
    EndPaint(window_, &ps);
}

void ScrollBar::PaintTrack(HDC dc, const RECT& client) {
    HBRUSH track = CreateSolidBrush(kTrackColour);
    FillRect(dc, &client, track);
    DeleteObject(track);
    HPEN edge = CreatePen(PS_SOLID, 1, kTrackEdgeColour);
    HGDIOBJ previous = SelectObject(dc, edge);
    DrawSegment(dc, client.left, client.top + 2, client.left, client.bottom - 2);
    DrawSegment(dc, client.right - 1, client.top + 2, client.right - 1, client.bottom - 2);
    SelectObject(dc, previous);
    DeleteObject(edge);
    trackImage_.Capture(dc, 0, 0, width_, geometry_.height);
}

void ScrollBar::PaintThumb(HDC dc) {
    const int length = state_.thumbLength;
    HBRUSH thumb = CreateSolidBrush(kThumbColour);
    HGDIOBJ previous = SelectObject(dc, thumb);
    RoundRect(dc, 0, kTrackTop, width_, kTrackTop + length, 2, 2);
    SelectObject(dc, previous);
    DeleteObject(thumb);
    if (length >= kShortestGrippedThumb) {
        HICON grip = LoadIcon(instance_, MAKEINTRESOURCE(kGripIcon));
        if (grip) {
            DrawIconEx(dc, 1, kTrackTop + (length - kGripSize) / 2, grip, 0, 0, 0, nullptr, DI_NORMAL);
            DestroyIcon(grip);
        }
    }
    thumbImage_.Capture(dc, 0, kTrackTop, width_, length);
    state_.thumbTop = kTrackTop;
}

void ScrollBar::CreateButtons() {
    for (int i = 0; i < 3; ++i) {
        if (buttons_[i]) continue;
        const ButtonPlan& plan = kButtons[i];
        const int top = plan.bottomOffset ? geometry_.height - plan.bottomOffset : 0;
        buttons_[i] = new RepeatButton(plan.name, WS_CHILD | WS_VISIBLE, 0, top, kButtonSize, kButtonSize, window_,
                                       instance_, plan.command);
        buttons_[i]->SetIcons(0, 0, kButtonSize, kButtonSize, plan.upIcon, plan.downIcon);
        buttons_[i]->Create(1);
    }
}

LRESULT CALLBACK ScrollBar::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message)) return 0;
    auto* bar = static_cast<ScrollBar*>(FindControl(window));
    if (bar && bar->Handle(message, lParam)) return 0;
    return DefWindowProc(window, message, wParam, lParam);
}
