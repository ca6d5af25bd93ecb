// The information pop-up: a white panel across the top of the screen with a header tab,
// the program's icon, name, version and build, four credit lines, and a small close
// button in its bottom-right corner, all painted from fixed coordinates.
#pragma once
#include <windows.h>

class IconButton;

// The command the dialog's close button sends to the dialog.
const UINT kInfoDialogCloseCommand = 3025;

class InfoDialog {
public:
    // `closeCommand` goes to the parent when the close button is used. The window name is
    // not copied.
    InfoDialog(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent, HINSTANCE instance,
               UINT closeCommand);
    // Deletes the close button first, then destroys the window.
    virtual ~InfoDialog();
    InfoDialog(const InfoDialog&) = delete;
    InfoDialog& operator=(const InfoDialog&) = delete;

    // Creates the window, shown when `show` is non-zero. Gives null when a window of the
    // same name exists already or on failure.
    HWND Create(int show);

    HWND Window() const { return window_; }
    // The open dialog's close button, made on its first paint; null while none is open.
    static IconButton* CloseButton() { return closeButton_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void CreateCloseButton(const RECT& client);

    HINSTANCE instance_;
    UINT closeCommand_;
    HWND window_ = nullptr;
    HWND parent_;
    LPCWSTR windowName_;
    DWORD style_;
    int x_, y_, width_, height_;
    ATOM classAtom_ = 0;

    // One dialog is open at a time, and its close button is the one button of the process
    // kept here.
    static IconButton* closeButton_;
};
