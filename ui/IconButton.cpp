#include "ui/IconButton.h"

#include "ui/Colours.h"
#include "ui/ControlWindow.h"

int IconButton::pressLeft_ = 0;

IconButton::IconButton(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                       HINSTANCE instance, UINT command)
    : parent_(parent), command_(command), instance_(instance), windowName_(windowName), style_(style), x_(x),
      y_(y), width_(width), height_(height) {}

// A button that found its name taken registered no class and owns no window: the window
// it adopted in Create belongs to another object and must outlive this one.
IconButton::~IconButton() {
    if (!classAtom_) return;
    DestroyWindow(window_);
    UnregisterClass(MAKEINTATOM(classAtom_), nullptr);
    ForgetControlWindow(window_);
}

void IconButton::SetIcons(int left, int top, int right, int bottom, WORD upIcon, WORD downIcon) {
    iconRect_ = RECT{left, top, right, bottom};
    upIcon_ = upIcon;
    downIcon_ = downIcon;
}

HWND IconButton::Create(int show) {
    HWND existing = FindWindow(windowName_, windowName_);
    if (existing) {
        window_ = existing;
        SetForegroundWindow(existing);
        return nullptr;
    }
    classAtom_ = RegisterControlClass(windowName_, WindowProc, instance_);
    if (!classAtom_) return nullptr;
    window_ = CreateWindowEx(0, windowName_, windowName_, style_, x_, y_, width_, height_, parent_, nullptr, instance_,
                             nullptr);
    if (!window_) return nullptr;
    RegisterControlWindow(window_, this);
    UpdateWindow(window_);
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

bool IconButton::DrawState(int state) {
    HDC dc = GetDC(window_);
    if (!dc) return false;
    HICON icon = LoadIcon(instance_, MAKEINTRESOURCE(state == kDown ? downIcon_ : upIcon_));
    if (icon) {
        DrawIconEx(dc, iconRect_.left, iconRect_.top, icon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    ReleaseDC(window_, dc);
    state_ = state;
    return true;
}

void IconButton::DrawUp() { DrawState(kUp); }

void IconButton::DrawDown() { DrawState(kDown); }

void IconButton::Notify() { SendMessage(parent_, command_, 0, 0); }

void IconButton::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    HBRUSH background = CreateSolidBrush(kPanelColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
    EndPaint(window_, &ps);
    if (state_ == kDown)
        DrawDown();
    else
        DrawUp();
}

// The far edges count as inside. A point left of or above the button has wrapped to a
// large unsigned value and counts as outside.
void IconButton::OnStylusMove(WORD x, WORD y) {
    if (state_ != kDown && !pressLeft_) return;
    if (x > width_ || y > height_) {
        DrawUp();
        pressLeft_ = 1;
    } else {
        DrawDown();
        pressLeft_ = 0;
    }
}

void IconButton::OnStylusDown() {
    DrawDown();
    SetCapture(window_);
}

// A release counts only for the press that began on this button, which holds the capture;
// a stylus put down elsewhere and lifted here has pressed nothing. The parent may delete
// the button while it handles the command, so nothing of the object is used after Notify.
void IconButton::OnStylusUp(HWND window, IconButton* button) {
    if (GetCapture() != window) return;
    if (pressLeft_)
        button->DrawUp();
    else
        button->Notify();
    pressLeft_ = 0;
    ReleaseCapture();
}

LRESULT CALLBACK IconButton::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_DESTROY:
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    }
    auto* button = static_cast<IconButton*>(FindControl(window));
    if (!button) return DefWindowProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: button->OnPaint(); return 0;
    case WM_MOUSEMOVE: button->OnStylusMove(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_LBUTTONDOWN: button->OnStylusDown(); return 0;
    case WM_LBUTTONUP: OnStylusUp(window, button); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
