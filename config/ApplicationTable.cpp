#include "config/ApplicationTable.h"

#include <string>

#include "config/ApplicationRow.h"
#include "config/ScrollBar.h"
#include "ui/Colours.h"
#include "ui/ControlWindow.h"

namespace {

// The rows leave room at their right for the scroll bar.
const int kScrollBarRoom = 18;

void FillWhite(HDC dc, const RECT& area) {
    HBRUSH white = CreateSolidBrush(kWhiteColour);
    FillRect(dc, &area, white);
    DeleteObject(white);
}

}  // namespace

ApplicationTable::ApplicationTable(LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                                   HWND parent, HINSTANCE instance)
    : instance_(instance), parent_(parent), windowName_(windowName), style_(style), x_(x), y_(y), width_(width),
      height_(height) {}

ApplicationTable::~ApplicationTable() {
    delete scrollBar_;
    DestroyControlWindow(window_, classAtom_);
}

void ApplicationTable::SetItems(ApplicationItem* items, int count, int rows) {
    items_ = items;
    itemCount_ = count;
    rowCount_ = rows;
}

HWND ApplicationTable::Create(int show) {
    height_ = rowCount_ * kRowHeight + 2;
    const DWORD style = style_ | WS_BORDER;
    const ControlWindowLayout layout{windowName_, style, x_, y_, width_, height_, parent_, instance_, WindowProc};
    if (!CreateControlWindow(layout, this, window_, classAtom_)) return nullptr;
    if (itemCount_ > rowCount_) CreateScrollBar();
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

void ApplicationTable::CreateScrollBar() {
    RECT client;
    GetClientRect(window_, &client);
    const std::wstring name = std::wstring(L"Scroll Bar for ") + windowName_ + L"\n";
    scrollBar_ = new ScrollBar(name.c_str(), WS_CHILD | WS_VISIBLE, client.right - 16, client.top + 1, 15,
                               client.bottom - client.top - 2, window_, instance_);
    scrollBar_->SetOwner(this);
    scrollBar_->Create(1, itemCount_, rowCount_);
}

int ApplicationTable::RowAreaWidth() const { return width_ - kScrollBarRoom; }

void ApplicationTable::OnPaint() {
    PAINTSTRUCT ps;
    HDC paint = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    FillWhite(paint, client);
    DrawRows(paint);
    TakeSnapshot();
    EndPaint(window_, &ps);
}

// Drawn on the paint DC, clipped to the area just filled white: an icon or label drawn again
// over itself outside that area would blend its edges twice.
void ApplicationTable::DrawRows(HDC dc) {
    for (int row = 0; row < rowCount_ && topIndex_ + row < itemCount_; ++row)
        DrawApplicationRow(dc, instance_, items_[topIndex_ + row], row);
}

void ApplicationTable::DrawItemInPlace(HDC dc, int index) {
    const int row = index - topIndex_;
    FillWhite(dc, RECT{0, row * kRowHeight, RowAreaWidth(), (row + 1) * kRowHeight});
    DrawApplicationRow(dc, instance_, items_[index], row);
}

void ApplicationTable::TakeSnapshot() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    snapshot_.Capture(dc, 0, 0, RowAreaWidth(), height_);
    ReleaseDC(window_, dc);
}

void ApplicationTable::Scroll(int, int firstIndex) {
    const int moved = firstIndex - topIndex_;
    topIndex_ = firstIndex;
    if (HDC dc = GetDC(window_)) {
        ShiftRows(dc, moved);
        ReleaseDC(window_, dc);
    }
    TakeSnapshot();
}

// The rows that stay in view move with one block copy from the snapshot; only the rows that
// came into view are drawn, in the order they enter.
void ApplicationTable::ShiftRows(HDC dc, int rowsMoved) {
    const int shift = rowsMoved * kRowHeight;
    if (rowsMoved > 0) {
        snapshot_.DrawPart(dc, 0, 0, 0, shift, RowAreaWidth(), height_ - shift);
        for (int index = topIndex_ + rowCount_ - rowsMoved; index < topIndex_ + rowCount_; ++index)
            DrawItemInPlace(dc, index);
    } else if (rowsMoved < 0) {
        snapshot_.DrawPart(dc, 0, -shift, 0, 0, RowAreaWidth(), height_);
        for (int index = topIndex_ - rowsMoved - 1; index >= topIndex_; --index) DrawItemInPlace(dc, index);
    }
}

// Whatever part of a row is tapped, its name as well as its box, flips the row's item.
void ApplicationTable::OnTap(WORD y) {
    const int index = topIndex_ + y / kRowHeight;
    if (index >= itemCount_) return;
    HDC dc = GetDC(window_);
    if (!dc) return;
    ApplicationItem& item = items_[index];
    item.selected = item.selected ? 0 : 1;
    DrawRowCheckBox(dc, instance_, item, index - topIndex_);
    ReleaseDC(window_, dc);
    TakeSnapshot();
}

LRESULT CALLBACK ApplicationTable::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message) || message == WM_MOUSEMOVE || message == WM_LBUTTONUP) return 0;
    auto* table = static_cast<ApplicationTable*>(FindControl(window));
    if (!table) return DefWindowProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: table->OnPaint(); return 0;
    case WM_LBUTTONDOWN: table->OnTap(HIWORD(lParam)); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
