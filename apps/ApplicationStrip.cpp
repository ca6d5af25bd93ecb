#include "apps/ApplicationStrip.h"

#include <shellapi.h>

#include "apps/ApplicationItem.h"
#include "ui/Colours.h"
#include "ui/ControlWindow.h"
#include "ui/DrawingHelpers.h"
#include "ui/IconButton.h"

namespace {

const COLORREF kCursorCellColour = RGB(213, 202, 170);
const COLORREF kPressedCellColour = RGB(139, 130, 101);

// Where the bar keeps the strip, and its heights in the two modes.
const int kStripLeft = 5, kStripTop = 5, kStripWidth = 230;
const int kSmallHeight = 20, kLargeHeight = 34;

// The cells of a mode: the first cell's left edge, the cells' (square) size, the inset of
// the icon in its cell, and the size of shell icon it shows.
struct CellLayout {
    int firstLeft, size, iconInset;
    UINT iconSize;
};
const CellLayout kSmallCells = {15, kSmallHeight, 2, SHGFI_SMALLICON};
const CellLayout kLargeCells = {13, kLargeHeight, 1, SHGFI_LARGEICON};
const CellLayout& CellsOf(int smallMode) { return smallMode ? kSmallCells : kLargeCells; }

}  // namespace

ApplicationStrip::ApplicationStrip(LPCWSTR name, DWORD style, int x, int y, int width, int height, HWND parent,
                                   HINSTANCE instance, UINT command)
    : parent_(parent), instance_(instance), name_(name), style_(style), x_(x), y_(y), width_(width),
      height_(height), command_(command) {}

ApplicationStrip::~ApplicationStrip() {
    pageButtons_.DeleteAll();
    if (!classAtom_) return;
    DestroyWindow(window_);
    UnregisterClass(MAKEINTATOM(classAtom_), nullptr);
    ForgetControlWindow(window_);
}

void ApplicationStrip::SetItems(ApplicationItem* items, int count) {
    items_ = items;
    itemCount_ = count;
}

void ApplicationStrip::SetSoundFlag(int sound) { sound_ = sound; }

HWND ApplicationStrip::Create(int show, int smallMode) {
    smallMode_ = smallMode;
    HWND existing = FindWindow(name_, name_);
    if (existing) {
        SetForegroundWindow(existing);
        return nullptr;
    }
    classAtom_ = RegisterControlClass(name_, WindowProc, instance_);
    if (!classAtom_) return nullptr;
    window_ = CreateWindowEx(0, name_, name_, style_, x_, y_, width_, height_, parent_, nullptr, instance_, nullptr);
    if (!window_) return nullptr;
    RegisterControlWindow(window_, this);
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

void ApplicationStrip::ToggleSize() {
    smallMode_ = !smallMode_;
    MoveWindow(window_, kStripLeft, kStripTop, kStripWidth, smallMode_ ? kSmallHeight : kLargeHeight, FALSE);
}

void ApplicationStrip::Paint() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    RECT client;
    GetClientRect(window_, &client);
    HBRUSH background = CreateSolidBrush(kPanelColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
    if (firstShown_ < 0) firstShown_ = 0;
    for (int index = firstShown_; index < firstShown_ + PageSize() && index < itemCount_; ++index)
        DrawItemIcon(dc, index);
    if (cursorItem_ != -1) {
        if (IsShown(cursorItem_))
            DrawCellWith(dc, cursorItem_, kCursorCellColour);
        else
            cursorItem_ = -1;
    }
    ReleaseDC(window_, dc);
    pageButtons_.Update(window_, instance_, smallMode_, firstShown_, PageSize(), itemCount_);
}

// A column beyond the page's last cell (the small mode's x = 215) holds no item of this
// page, like an empty cell.
void ApplicationStrip::PressAt(int x, int) {
    const CellLayout& cells = CellsOf(smallMode_);
    int column = (x - cells.firstLeft) / cells.size;
    int index = firstShown_ + column;
    if (index == pressedItem_ || index >= itemCount_ || column < 0 || column >= PageSize()) return;
    const int released = pressedItem_;
    pressedItem_ = index;
    RedrawCell(released);
    RedrawCell(pressedItem_);
}

void ApplicationStrip::ClearPress() {
    const int released = pressedItem_;
    pressedItem_ = -1;
    RedrawCell(released);
}

// The parent hides the bar while it handles the command, before SendMessage returns.
void ApplicationStrip::LaunchPressedItem() {
    if (!IsItem(pressedItem_)) return;
    Open(pressedItem_);
    ClearPress();
    SendMessage(parent_, command_, 0, 0);
}

void ApplicationStrip::LaunchCursorItem() {
    if (!IsItem(cursorItem_)) return;
    Open(cursorItem_);
    SendMessage(parent_, command_, 0, 0);
}

void ApplicationStrip::CursorLeft() {
    if (cursorItem_ < 1) return;
    --cursorItem_;
    RedrawCell(cursorItem_ + 1);
    if (cursorItem_ < firstShown_) {
        firstShown_ -= PageSize();
        Paint();
    } else {
        RedrawCell(cursorItem_);
    }
}

void ApplicationStrip::CursorRight() {
    if (cursorItem_ + 1 >= itemCount_) return;
    if (cursorItem_ == -1 && firstShown_ >= itemCount_) return;
    if (cursorItem_ == -1) {
        cursorItem_ = firstShown_;
    } else {
        ++cursorItem_;
        RedrawCell(cursorItem_ - 1);
    }
    if (cursorItem_ >= firstShown_ + PageSize()) {
        firstShown_ += PageSize();
        Paint();
    } else {
        RedrawCell(cursorItem_);
    }
}

bool ApplicationStrip::IsShown(int index) const {
    return IsItem(index) && index >= firstShown_ && index < firstShown_ + PageSize();
}

// A cell's colour tells its state: pressed before under the cursor, under the cursor before
// plain. A press ending on the cursor's cell gives it back the cursor's colour.
void ApplicationStrip::RedrawCell(int index) {
    HDC dc = GetDC(window_);
    if (!dc) return;
    const COLORREF colour = index == pressedItem_  ? kPressedCellColour
                            : index == cursorItem_ ? kCursorCellColour
                                                   : kPanelColour;
    DrawCellWith(dc, index, colour);
    ReleaseDC(window_, dc);
}

// Only a cell of the shown page has a place to draw, and an item to show.
void ApplicationStrip::DrawCellWith(HDC dc, int index, COLORREF colour) {
    if (!IsShown(index)) return;
    const CellLayout& cells = CellsOf(smallMode_);
    int left = cells.firstLeft + cells.size * (index - firstShown_);
    FillSoftRect(dc, left, 0, left + cells.size, cells.size, colour);
    DrawItemIcon(dc, index);
}

// The shell's icon is asked for afresh at every drawing; an item it has no icon for
// leaves its cell empty.
void ApplicationStrip::DrawItemIcon(HDC dc, int index) {
    const CellLayout& cells = CellsOf(smallMode_);
    SHFILEINFO info = {};
    SHGetFileInfo(items_[index].path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SYSICONINDEX | cells.iconSize);
    if (!info.hIcon) return;
    int left = cells.firstLeft + cells.size * (index - firstShown_) + cells.iconInset;
    DrawIconEx(dc, left, cells.iconInset, info.hIcon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(info.hIcon);
}

void ApplicationStrip::Open(int index) {
    SHELLEXECUTEINFO info = {};
    info.cbSize = sizeof(info);
    info.lpFile = items_[index].path.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteEx(&info);
}
