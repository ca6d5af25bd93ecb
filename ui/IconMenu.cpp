#include "ui/IconMenu.h"

#include "ui/Colours.h"
#include "ui/ControlWindow.h"
#include "ui/DrawingHelpers.h"

IconMenu::IconMenu(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                   HINSTANCE instance, int entryCount)
    : instance_(instance), width_(width), innerWidth_(width - 10), entryCount_(entryCount),
      entries_(entryCount > 0 ? entryCount : 0), parent_(parent), windowName_(windowName), style_(style), x_(x), y_(y),
      height_(height) {}

IconMenu::~IconMenu() { DestroyControlWindow(window_, classAtom_); }

void IconMenu::AddEntry(LPCWSTR label, UINT command, WORD icon) {
    if (entriesAdded_ >= entryCount_) return;
    entries_[entriesAdded_++] = Entry{icon, label, command};
}

HWND IconMenu::Create(int show, int rowHeight) {
    rowHeight_ = rowHeight;
    const ControlWindowLayout layout{windowName_, style_, x_, y_, width_, height_, parent_, instance_, WindowProc};
    if (!CreateControlWindow(layout, this, window_, classAtom_)) return nullptr;
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

void IconMenu::DrawEntries() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    for (int i = 0; i < entryCount_; ++i) DrawEntryContent(dc, i, kColumnLeft, i * rowHeight_ + kMargin, kTextColour);
    ReleaseDC(window_, dc);
}

void IconMenu::HighlightAt(int x, int y) {
    int index = IndexAt(x, y);
    if (index == highlighted_ || !IsEntry(index)) return;
    if (highlighted_ >= 0) DrawEntry(highlighted_, kTextColour, kMenuColour);
    highlighted_ = index;
    DrawEntry(index, kWhiteColour, kMenuHighlightColour);
}

void IconMenu::ClearHighlight() {
    if (highlighted_ < 0) return;
    DrawEntry(highlighted_, kTextColour, kMenuColour);
    highlighted_ = -1;
}

void IconMenu::ChooseAt(int x, int y) {
    int index = IndexAt(x, y);
    if (IsEntry(index)) SendMessage(GetParent(window_), entries_[index].command, 0, 0);
}

bool IconMenu::IsEntry(int index) const { return index >= 0 && index < entryCount_; }

int IconMenu::IndexAt(int, int y) const { return (y - kMargin) / rowHeight_; }

void IconMenu::DrawEntry(int index, COLORREF text, COLORREF fill) {
    HDC dc = GetDC(window_);
    if (!dc) return;
    int top = index * rowHeight_ + kMargin;
    FillSoftRect(dc, kMargin, top, innerWidth_ + kMargin, top + rowHeight_, fill);
    DrawEntryContent(dc, index, kColumnLeft, top, text);
    ReleaseDC(window_, dc);
}

void IconMenu::DrawEntryContent(HDC dc, int index, int left, int top, COLORREF text) const {
    const Entry& entry = entries_[index];
    HICON icon = LoadIcon(instance_, MAKEINTRESOURCE(entry.icon));
    if (icon) {
        DrawIconEx(dc, left + 3, top + 1, icon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    if (entry.label) DrawLabel(dc, entry.label, 1, left + 27, top + 2, text);
}

void IconMenu::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    DrawPanel(dc, client.left, client.top, client.right, client.bottom, kMenuColour);
    EndPaint(window_, &ps);
    DrawEntries();
    // A highlight left by a release away from every entry stays on the screen as in the state.
    if (highlighted_ >= 0) DrawEntry(highlighted_, kWhiteColour, kMenuHighlightColour);
    SetWindowPos(window_, HWND_TOPMOST, x_, y_, width_, height_, SWP_SHOWWINDOW);
}

// The point's coordinates are unsigned, so a point left of or above the window counts as
// far outside. The right margin includes its edge pixel, the bottom margin does not.
bool IconMenu::Inside(LPARAM lParam) const {
    int x = LOWORD(lParam);
    int y = HIWORD(lParam);
    RECT client;
    GetClientRect(window_, &client);
    return x >= kMargin && x <= client.right - kMargin && y >= client.top + kMargin && y < client.bottom - kMargin;
}

// Only the press that began on the menu, which holds the capture, moves the highlight: a pen
// put down elsewhere leaves the menu without a move the menu would see.
void IconMenu::OnStylusMove(LPARAM lParam) {
    if (GetCapture() != window_) return;
    if (Inside(lParam))
        HighlightAt(LOWORD(lParam), HIWORD(lParam));
    else
        ClearHighlight();
}

void IconMenu::OnStylusDown(LPARAM lParam) {
    if (!Inside(lParam)) return;
    SetCapture(window_);
    HighlightAt(LOWORD(lParam), HIWORD(lParam));
}

// The parent may delete the menu while it handles the chosen command, so nothing of the
// object is used after ChooseAt.
void IconMenu::OnStylusUp(IconMenu* menu, LPARAM lParam) {
    ReleaseCapture();
    if (menu->Inside(lParam)) menu->ChooseAt(LOWORD(lParam), HIWORD(lParam));
}

LRESULT CALLBACK IconMenu::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message)) return 0;
    auto* menu = static_cast<IconMenu*>(FindControl(window));
    if (!menu) return DefWindowProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: menu->OnPaint(); return 0;
    case WM_MOUSEMOVE: menu->OnStylusMove(lParam); return 0;
    case WM_LBUTTONDOWN: menu->OnStylusDown(lParam); return 0;
    case WM_LBUTTONUP: OnStylusUp(menu, lParam); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
