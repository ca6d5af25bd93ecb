#include "ui/RepeatButton.h"

RepeatButton::RepeatButton(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                           HINSTANCE instance, UINT command)
    : IconButton(windowName, style, x, y, width, height, parent, instance, command) {}

void RepeatButton::DrawUp() {
    if (!DrawState(kUp)) return;
    if (firstPaint_) {
        firstPaint_ = 0;
        return;
    }
    SendMessage(parent_, kStopRepeatingCommand, 0, 0);
    armed_ = 1;
}

void RepeatButton::DrawDown() {
    if (!DrawState(kDown) || !armed_) return;
    SendMessage(parent_, command_, 0, 0);
    armed_ = 0;
}

void RepeatButton::Notify() { DrawUp(); }
