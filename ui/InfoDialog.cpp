#include "ui/InfoDialog.h"

#include "ui/Colours.h"
#include "ui/ControlWindow.h"
#include "ui/DrawingHelpers.h"
#include "ui/IconButton.h"
#include "ui/TitleBand.h"

namespace {

const WORD kHeaderIcon = 113;
const WORD kProgramIcon = 101;
const WORD kCloseUpIcon = 104;
const WORD kCloseDownIcon = 105;
const int kCloseButtonSize = 14;
// The close button's distance from the right and bottom edges.
const int kCloseButtonInset = 19;

struct Line {
    const WCHAR* text;
    int emphasised;
    int x, y;
    COLORREF colour;
};

const Line kLines[] = {
    {L"Information", 1, 90, 7, kTextColour},
    {L"Tesselink v2", 1, 75, 50, kTextColour},
    {L"Version: 2.3", 0, 35, 80, kTextColour},
    {L"Build: 021108.19", 0, 35, 95, kTextColour},
    {L"Made for days on the move.", 0, 35, 110, kTextColour},
    {L"Thanks to all our testers!", 0, 35, 125, kTextColour},
    {L"Free to use and to share.", 0, 25, 155, kGreyTextColour},
    {L"Enjoy your day.", 0, 65, 170, kGreyTextColour},
};

void DrawIcon(HDC dc, HICON icon, int x, int y) {
    if (!icon) return;
    DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

void DrawContent(HDC dc, HINSTANCE instance) {
    DrawIcon(dc, LoadIcon(instance, MAKEINTRESOURCE(kHeaderIcon)), 70, 7);
    HANDLE programIcon = LoadImage(instance, MAKEINTRESOURCE(kProgramIcon), IMAGE_ICON, 32, 32, 0);
    DrawIcon(dc, static_cast<HICON>(programIcon), 29, 40);
    for (const Line& line : kLines) DrawLabel(dc, line.text, line.emphasised, line.x, line.y, line.colour);
}

}  // namespace

IconButton* InfoDialog::closeButton_ = nullptr;

InfoDialog::InfoDialog(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                       HINSTANCE instance, UINT closeCommand)
    : instance_(instance), closeCommand_(closeCommand), parent_(parent), windowName_(windowName), style_(style),
      x_(x), y_(y), width_(width), height_(height) {}

InfoDialog::~InfoDialog() {
    delete closeButton_;
    closeButton_ = nullptr;
    DestroyControlWindow(window_, classAtom_);
}

HWND InfoDialog::Create(int show) {
    const ControlWindowLayout layout{windowName_, style_, x_, y_, width_, height_, parent_, instance_, WindowProc};
    if (!CreateControlWindow(layout, this, window_, classAtom_)) return nullptr;
    ShowWindow(window_, show ? SW_SHOWNORMAL : SW_HIDE);
    return window_;
}

void InfoDialog::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    DrawPanel(dc, client.left, client.top, client.right, client.bottom, kWhiteColour);
    DrawTitleBand(dc, client);
    DrawContent(dc, instance_);
    if (!closeButton_) CreateCloseButton(client);
    EndPaint(window_, &ps);
}

void InfoDialog::CreateCloseButton(const RECT& client) {
    closeButton_ = new IconButton(L"Close InfoDlg Button", WS_CHILD | WS_VISIBLE, client.right - kCloseButtonInset,
                                  client.bottom - kCloseButtonInset, kCloseButtonSize, kCloseButtonSize, window_,
                                  instance_, kInfoDialogCloseCommand);
    closeButton_->SetIcons(0, 0, kCloseButtonSize, kCloseButtonSize, kCloseUpIcon, kCloseDownIcon);
    closeButton_->Create(1);
}

// The parent deletes the dialog, its close button included, while it handles the close
// command, so nothing of the object is used after the send.
LRESULT CALLBACK InfoDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerCommonControlMessage(window, message) || message == WM_LBUTTONDOWN) return 0;
    auto* dialog = static_cast<InfoDialog*>(FindControl(window));
    if (!dialog) return DefWindowProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: dialog->OnPaint(); return 0;
    case kInfoDialogCloseCommand: SendMessage(GetParent(window), dialog->closeCommand_, 0, 0); return 0;
    default: return DefWindowProc(window, message, wParam, lParam);
    }
}
