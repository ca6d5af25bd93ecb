// The application strip ("Application Bar"): the paged row of application icons inside the
// bar. Tapping an icon, or choosing it with the cursor keys and pressing the start key,
// opens the item through the shell and then sends the strip's command to the parent.
#pragma once
#include <windows.h>

#include "apps/StripPageButtons.h"

struct ApplicationItem;

// The page buttons' commands to the strip.
const UINT kPreviousPageCommand = 5025;
const UINT kNextPageCommand = 5026;

class ApplicationStrip {
public:
    ApplicationStrip(LPCWSTR name, DWORD style, int x, int y, int width, int height, HWND parent,
                     HINSTANCE instance, UINT command);
    // Deletes the page buttons, destroys the window, unregisters the class and leaves the
    // window registry.
    virtual ~ApplicationStrip();
    ApplicationStrip(const ApplicationStrip&) = delete;
    ApplicationStrip& operator=(const ApplicationStrip&) = delete;

    // Points the strip at the chosen list, which stays the caller's. The shown page, the
    // pressed item and the cursor keep their values.
    void SetItems(ApplicationItem* items, int count);
    void SetSoundFlag(int sound);
    // Creates the window in the given mode, shown when `show` is non-zero. Gives null when
    // a window of the strip's name exists already, or on failure.
    HWND Create(int show, int smallMode);
    // Switches between the small and the large mode and resizes the window, unpainted.
    void ToggleSize();

    virtual void Paint();
    // Presses the item under client point (x, y); the y coordinate is not used.
    virtual void PressAt(int x, int y);
    virtual void ClearPress();
    virtual void LaunchPressedItem();
    virtual void CursorLeft();
    virtual void CursorRight();
    virtual void LaunchCursorItem();

    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaintMessage();
    bool InColumns(WORD x) const;
    bool InStrip(WORD x, WORD y) const;
    void OnStylusMove(WORD x, WORD y);
    void OnStylusDown(WORD x, WORD y);
    void OnStylusUp(WORD x, WORD y);
    void TurnPage(int pages);

    int PageSize() const { return smallMode_ ? smallPageSize_ : largePageSize_; }
    bool IsItem(int index) const { return index >= 0 && index < itemCount_; }
    bool IsShown(int index) const;
    void RedrawCell(int index);
    void DrawCellWith(HDC dc, int index, COLORREF colour);
    void DrawItemIcon(HDC dc, int index);
    void Open(int index);

    HWND window_ = nullptr;
    HWND parent_;
    HINSTANCE instance_;
    LPCWSTR name_;
    DWORD style_;
    int x_, y_, width_, height_;
    int firstShown_ = 0;
    int smallMode_ = 1;
    int sound_ = 0;
    int largePageSize_ = 6;
    int smallPageSize_ = 10;
    ATOM classAtom_ = 0;
    int itemCount_ = 0;
    int pressedItem_ = -1;
    int cursorItem_ = -1;
    UINT command_;
    ApplicationItem* items_ = nullptr;
    StripPageButtons pageButtons_;
};
