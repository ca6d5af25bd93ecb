// The program's push-button: a child window that shows one icon resource when up and
// another when pressed, follows the stylus while it is held, and on a completed press
// sends its command value to its parent as a message (both parameters 0).
#pragma once
#include <windows.h>

class IconButton {
public:
    // The window name is also the class name and the title; it is not copied and must
    // outlive the button.
    IconButton(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
               HINSTANCE instance, UINT command);
    // Destroys the window, unregisters the class and leaves the window registry, when this
    // button created them.
    virtual ~IconButton();
    IconButton(const IconButton&) = delete;
    IconButton& operator=(const IconButton&) = delete;

    // The icon is drawn with its top-left corner at (left, top) of the client area.
    void SetIcons(int left, int top, int right, int bottom, WORD upIcon, WORD downIcon);
    // Creates the window, shown when `show` is non-zero. Gives null when a window of the
    // same name exists already (that window is brought to the foreground) or on failure.
    HWND Create(int show);

    // Draw the button at once, outside any paint cycle, and take that state.
    virtual void DrawUp();
    virtual void DrawDown();
    // Reports a completed press to the parent. The parent may delete the button meanwhile.
    virtual void Notify();

    HWND Window() const { return window_; }

protected:
    // Draws the icon of `state` and takes the state; false, changing nothing, when the
    // window has no device context.
    bool DrawState(int state);

    static const int kUp = 0;
    static const int kDown = 1;

    HWND parent_;
    UINT command_;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnStylusUp(HWND window, IconButton* button);
    void OnPaint();
    void OnStylusMove(WORD x, WORD y);
    void OnStylusDown();

    HWND window_ = nullptr;
    HINSTANCE instance_;
    LPCWSTR windowName_;
    DWORD style_;
    int state_ = kUp;
    int x_, y_, width_, height_;
    ATOM classAtom_ = 0;
    RECT iconRect_ = {};
    WORD upIcon_ = 0;
    WORD downIcon_ = 0;

    // Set while the stylus that pressed a button has been dragged off it. Only one window
    // holds the pointer capture at a time, so one flag serves every button of the process.
    static int pressLeft_;
};
