// The list of the configuration dialog: a bordered window of rows, each an application item
// with its check box, icon and name. A tap on a row flips the item's selected flag. With
// more items than rows the table carries a scroll bar and shifts its rows as it moves,
// drawing only the rows that come into view.
#pragma once
#include <windows.h>

#include "config/MemoryImage.h"
#include "config/ScrollOwner.h"

class ScrollBar;
struct ApplicationItem;

class ApplicationTable : public ScrollOwner {
public:
    // The window name is not copied and must outlive the table. The height is replaced at
    // create by the height of the rows and the border.
    ApplicationTable(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                     HINSTANCE instance);
    // Shows `firstIndex` in the first row; the code is not examined.
    void Scroll(int code, int firstIndex) override;
    // Deletes the scroll bar and the row snapshot, destroys the window and unregisters the
    // class. The items are borrowed and stay.
    virtual ~ApplicationTable();
    ApplicationTable(const ApplicationTable&) = delete;
    ApplicationTable& operator=(const ApplicationTable&) = delete;

    // The items are borrowed: the table only flips their selected flags, to 0 or 1.
    void SetItems(ApplicationItem* items, int count, int rows);
    // Creates the window, and its scroll bar when the items do not fit, shown when `show`
    // is non-zero. Gives null when a window of the same name exists already (it comes to
    // the foreground) or on failure.
    HWND Create(int show);

    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void CreateScrollBar();
    void DrawRows(HDC dc);
    void DrawItemInPlace(HDC dc, int index);
    void ShiftRows(HDC dc, int rowsMoved);
    void TakeSnapshot();
    void OnTap(WORD y);
    int RowAreaWidth() const;

    HINSTANCE instance_;
    ATOM classAtom_ = 0;
    int topIndex_ = 0;
    HWND window_ = nullptr;
    HWND parent_;
    LPCWSTR windowName_;
    DWORD style_;
    int x_, y_, width_, height_;
    int rowCount_ = 0;
    int itemCount_ = 0;
    ApplicationItem* items_ = nullptr;
    ScrollBar* scrollBar_ = nullptr;
    MemoryImage snapshot_;
};
