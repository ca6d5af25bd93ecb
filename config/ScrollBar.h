// The vertical scroll bar of the application table: a grey track with a white thumb that the
// stylus drags, a line-up button at the top and a line-up / line-down pair at the bottom.
// Tapping the track above or below the thumb pages; holding a button or the track repeats
// the step. Each new position goes to the owner as the index of its first visible item.
#pragma once
#include <string>

#include <windows.h>

#include "config/MemoryImage.h"
#include "config/RepeatWorker.h"
#include "config/ScrollGeometry.h"

class RepeatButton;
class ScrollOwner;

// The step messages the buttons, the track and the repeat worker send to the scroll bar.
const UINT kLineUpCommand = 5027;
const UINT kLineDownCommand = 5028;
const UINT kPageUpCommand = 5030;
const UINT kPageDownCommand = 5031;

class ScrollBar {
public:
    ScrollBar(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent, HINSTANCE instance);
    // Stops repeating, deletes the buttons and the images, destroys the window and
    // unregisters the class.
    virtual ~ScrollBar();
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    // The owner is told of every new position; it is not owned.
    void SetOwner(ScrollOwner* owner) { owner_ = owner; }
    // Creates the window for `itemCount` items of which the owner shows `visibleCount`,
    // shown when `show` is non-zero. Gives null when a window of the same name exists
    // already (it comes to the foreground) or on failure.
    HWND Create(int show, int itemCount, int visibleCount);

    HWND Window() const { return window_; }

private:
    // What the stylus and the thumb are doing, in client pixels.
    struct ScrollState {
        int thumbTop = kTrackTop;
        int thumbLength = 0;
        int thumbLimit = 0;
        int tapY = 0;
        int dragging = 0;
        int lastDragY = 0;  // 0 until the first move of a drag
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Handle(UINT message, LPARAM lParam);
    void OnPaint();
    void PaintTrack(HDC dc, const RECT& client);
    void PaintThumb(HDC dc);
    void CreateButtons();
    void OnTap(int y);
    void OnDrag(int y);
    void OnRelease();
    void OnStep(UINT message);
    void TakeStep(UINT message);
    void MoveTo(int position, int thumbTop);
    void Redraw();

    HWND window_ = nullptr;
    HINSTANCE instance_;
    ATOM classAtom_ = 0;
    ScrollGeometry geometry_;
    int width_;
    int position_ = 0;
    MemoryImage thumbImage_;
    MemoryImage trackImage_;
    RepeatButton* buttons_[3] = {nullptr, nullptr, nullptr};
    HWND parent_;
    std::wstring windowName_;
    DWORD style_;
    int x_, y_;
    ScrollOwner* owner_ = nullptr;
    ScrollState state_;
    RepeatWorker worker_;
};
