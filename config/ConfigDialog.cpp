#include "config/ConfigDialog.h"

#include "config/ApplicationTable.h"
#include "config/SelectedItems.h"
#include "ui/Colours.h"
#include "ui/ControlWindow.h"
#include "ui/DrawingHelpers.h"
#include "ui/IconButton.h"
#include "ui/TitleBand.h"

namespace {

const WORD kTitleIcon = 109;
const WORD kCloseUpIcon = 104;
const WORD kCloseDownIcon = 105;
const int kCloseButtonSize = 14;
// The close button's distance from the right and bottom edges.
const int kCloseButtonInset = 19;
const int kTableRows = 7;

struct Line {
    const WCHAR* text;
    int x, y;
};

const Line kHeading[] = {
    {L"Configuration", 90, 7},
    {L"Selected items will be appeared", 20, 31},
    {L"on the Tesse-Link.", 20, 45},
};

void DrawHeading(HDC dc, HINSTANCE instance) {
    HICON icon = LoadIcon(instance, MAKEINTRESOURCE(kTitleIcon));
    if (icon) {
        DrawIconEx(dc, 70, 7, icon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    for (const Line& line : kHeading) DrawLabel(dc, line.text, 1, line.x, line.y, kTextColour);
}

}  // namespace

IconButton* ConfigDialog::closeButton_ = nullptr;

ConfigDialog::ConfigDialog(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                           HINSTANCE instance, UINT closeCommand)
    : instance_(instance), closeCommand_(closeCommand), parent_(parent), windowName_(windowName), style_(style),
      x_(x), y_(y), width_(width), height_(height) {}

ConfigDialog::~ConfigDialog() {
    delete closeButton_;
    closeButton_ = nullptr;
    delete table_;
    DestroyControlWindow(window_, classAtom_);
}

void ConfigDialog::SetItems(ApplicationItem* items, int count) {
    items_ = items;
    itemCount_ = count;
}

void ConfigDialog::SetOptions(int autoload, int sound) {
    autoload_ = autoload;
    sound_ = sound;
}

HWND ConfigDialog::Create(int show) {
    const ControlWindowLayout layout{windowName_, style_, x_, y_, width_, height_, parent_, instance_, WindowProc};
    if (!CreateControlWindow(layout, this, window_, classAtom_)) return nullptr;
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

// The table flips the flags of these same items, so they hold the choices whether or not a
// first paint has made the table yet.
int ConfigDialog::SelectedCount() const { return CountSelected(items_, itemCount_); }

ApplicationItem* ConfigDialog::SelectedItems() const { return CopySelected(items_, itemCount_); }

void ConfigDialog::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    DrawPanel(dc, client.left, client.top, client.right, client.bottom, kWhiteColour);
    DrawTitleBand(dc, client);
    DrawHeading(dc, instance_);
    if (!closeButton_) CreateCloseButton(client);
    GetClientRect(window_, &client);
    if (!table_) CreateTable(client);
    DrawOptions();
    EndPaint(window_, &ps);
}

void ConfigDialog::CreateCloseButton(const RECT& client) {
    closeButton_ = new IconButton(L"Close CfgDlg Button", WS_CHILD | WS_VISIBLE, client.right - kCloseButtonInset,
                                  client.bottom - kCloseButtonInset, kCloseButtonSize, kCloseButtonSize, window_,
                                  instance_, kConfigDialogCloseCommand);
    closeButton_->SetIcons(0, 0, kCloseButtonSize, kCloseButtonSize, kCloseUpIcon, kCloseDownIcon);
    closeButton_->Create(1);
}

// The table makes itself as tall as its rows; the height given here is replaced.
void ConfigDialog::CreateTable(const RECT& client) {
    table_ = new ApplicationTable(L"Application Table", WS_CHILD | WS_VISIBLE, client.left + 20, client.top + 65,
                                  200, 18, window_, instance_);
    table_->SetItems(items_, itemCount_, kTableRows);
    table_->Create(1);
}

// The parent deletes the dialog, its close button and table included, while it handles the
// close command, so nothing of the object is used after the send.
LRESULT CALLBACK ConfigDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message)) return 0;
    auto* dialog = static_cast<ConfigDialog*>(FindControl(window));
    if (!dialog) return DefWindowProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: dialog->OnPaint(); return 0;
    case WM_LBUTTONDOWN: dialog->OnTap(LOWORD(lParam), HIWORD(lParam)); return 0;
    case kConfigDialogCloseCommand: SendMessage(GetParent(window), dialog->closeCommand_, 0, 0); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
