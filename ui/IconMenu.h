// A pop-up child window listing a fixed number of entries, each an icon and a label, on a
// light grey rounded panel, in one column. The entry under the stylus is highlighted;
// lifting the stylus over an entry sends that entry's command to the menu's parent. The
// menu neither closes nor changes itself after a choice: its owner decides.
#pragma once
#include <vector>

#include <windows.h>

class IconMenu {
public:
    // The window name is also the class name and the title; it is not copied.
    IconMenu(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent, HINSTANCE instance,
             int entryCount);
    virtual ~IconMenu();
    IconMenu(const IconMenu&) = delete;
    IconMenu& operator=(const IconMenu&) = delete;

    // Fills the next entry; the label is not copied. The owner adds exactly the entry count
    // before Create; entries beyond it are refused.
    void AddEntry(LPCWSTR label, UINT command, WORD icon);
    // Creates the window, shown when `show` is non-zero, with rows `rowHeight` pixels high.
    // Gives null when a window of the same name exists already or on failure.
    HWND Create(int show, int rowHeight);

    // Draw every entry un-highlighted, at once, outside the paint cycle.
    virtual void DrawEntries();
    // Highlight the entry at the point of the client area, if there is one there.
    virtual void HighlightAt(int x, int y);
    virtual void ClearHighlight();
    // Sends the command of the entry at the point to the parent, which may delete the menu.
    virtual void ChooseAt(int x, int y);

    HWND Window() const { return window_; }
    // The highlighted entry's index, or -1.
    int Highlighted() const { return highlighted_; }

protected:
    // The margin of the client area in which the stylus reaches no entry.
    static const int kMargin = 5;
    // Where the (left) column's cells start; an entry's icon is drawn 3 pixels and its label
    // 27 pixels to the right of its cell's left edge.
    static const int kColumnLeft = 4;

    struct Entry {
        WORD icon;
        LPCWSTR label;
        UINT command;
    };

    // The index of the entry whose cell holds the point; it may be past the last entry.
    virtual int IndexAt(int x, int y) const;
    bool IsEntry(int index) const;
    // Draws entry `index` on its cell filled with `fill`, its label in `text`.
    virtual void DrawEntry(int index, COLORREF text, COLORREF fill);
    // The entry's icon and label in a cell whose top-left corner is (left, top).
    void DrawEntryContent(HDC dc, int index, int left, int top, COLORREF text) const;

    HWND window_ = nullptr;
    HINSTANCE instance_;
    int width_;
    int innerWidth_;
    int rowHeight_ = 0;
    int entryCount_;
    std::vector<Entry> entries_;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnStylusUp(IconMenu* menu, LPARAM lParam);
    void OnPaint();
    bool Inside(LPARAM lParam) const;
    void OnStylusMove(LPARAM lParam);
    void OnStylusDown(LPARAM lParam);

    HWND parent_;
    LPCWSTR windowName_;
    DWORD style_;
    int x_, y_, height_;
    ATOM classAtom_ = 0;
    int entriesAdded_ = 0;
    int highlighted_ = -1;
};
