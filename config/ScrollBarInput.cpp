// The scroll bar's answers to the stylus and to the step messages.
#include "config/ScrollBar.h"

#include <algorithm>

#include "config/ScrollOwner.h"
#include "ui/RepeatButton.h"

namespace {

// The stylus's y in client pixels. It is signed: while the scroll bar holds the capture, a
// stylus dragged above the window reports a negative y.
int StylusY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

bool ScrollBar::Handle(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return true;
    case WM_LBUTTONDOWN: OnTap(StylusY(lParam)); return true;
    case WM_MOUSEMOVE: OnDrag(StylusY(lParam)); return true;
    case WM_LBUTTONUP: OnRelease(); return true;
    case kStopRepeatingCommand: worker_.Stop(); return true;
    case kLineUpCommand:
    case kLineDownCommand:
    case kPageUpCommand:
    case kPageDownCommand: OnStep(message); return true;
    default: return false;
    }
}

// A tap on the thumb itself, its edges included, starts a drag; elsewhere it pages toward
// the tapped point at once.
void ScrollBar::OnTap(int y) {
    SetCapture(window_);
    state_.tapY = y;
    if (y < state_.thumbTop) SendMessage(window_, kPageUpCommand, 0, 0);
    else if (y > state_.thumbTop + state_.thumbLength) SendMessage(window_, kPageDownCommand, 0, 0);
    else state_.dragging = 1;
}

// The thumb follows the stylus from the second move of a drag on, held inside the track. A
// stylus at or below the lowest point the thumb's bottom reaches is ignored altogether, and
// a move outwards from an end changes nothing, so the way back is measured from there.
void ScrollBar::OnDrag(int y) {
    if (!state_.dragging) return;
    if (state_.lastDragY == 0) {
        state_.lastDragY = y;
        return;
    }
    if (y >= state_.thumbLimit + state_.thumbLength) return;
    const int dy = y - state_.lastDragY;
    if ((state_.thumbTop == kTrackTop && dy <= 0) || (state_.thumbTop == state_.thumbLimit && dy >= 0)) return;
    int top = state_.thumbTop + dy;
    if (top > state_.thumbLimit) top = state_.thumbLimit;
    else if (top < kTrackTop) top = kTrackTop;
    MoveTo(geometry_.PositionFor(top, state_.thumbLimit), top);
    state_.lastDragY = y;
}

void ScrollBar::OnRelease() {
    worker_.Stop();
    state_.dragging = 0;
    state_.lastDragY = 0;
    ReleaseCapture();
}

// Each step message is tried and then, while the stylus stays down, repeated by the worker,
// also when this step was not possible.
void ScrollBar::OnStep(UINT message) {
    TakeStep(message);
    worker_.Start(window_, message);
}

void ScrollBar::TakeStep(UINT message) {
    const int last = geometry_.LastPosition();
    const int limit = state_.thumbLimit;
    int position = position_;
    switch (message) {
    case kLineUpCommand:
        if (position <= 0) return;
        --position;
        break;
    case kLineDownCommand:
        if (position >= last) return;
        ++position;
        break;
    case kPageUpCommand:
        if (state_.tapY >= state_.thumbTop) return;
        position = std::max(0, position - geometry_.visibleCount);
        break;
    case kPageDownCommand:
        if (state_.thumbTop + state_.thumbLength >= state_.tapY) return;
        position = std::min(last, position + geometry_.visibleCount);
        break;
    }
    int top = geometry_.ThumbTopFor(position, limit);
    if (message == kPageUpCommand) top = std::max(top, kTrackTop);
    if (message == kPageDownCommand) top = std::min(top, limit);
    MoveTo(position, top);
}

void ScrollBar::MoveTo(int position, int thumbTop) {
    position_ = position;
    state_.thumbTop = thumbTop;
    Redraw();
    if (owner_) owner_->Scroll(kScrollNotification, position);
}

// Two block copies: the bare track, then the thumb at its new place.
void ScrollBar::Redraw() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    trackImage_.Draw(dc, 0, 0);
    thumbImage_.Draw(dc, 0, state_.thumbTop);
    ReleaseDC(window_, dc);
}
