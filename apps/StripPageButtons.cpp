#include "apps/StripPageButtons.h"

#include "apps/ApplicationStrip.h"
#include "ui/IconButton.h"

namespace {

struct PageButtonLayout {
    LPCWSTR name;
    int x, width, height;
    UINT command;
    WORD upIcon, downIcon;
};
// The large mode's pair, then the small mode's; each pair Prev, then Next.
const PageButtonLayout kLayouts[4] = {
    {L"Prev Button", 0, 13, 34, kPreviousPageCommand, 146, 143},
    {L"Next Button", 217, 13, 34, kNextPageCommand, 141, 139},
    {L"Prev Small Button", 0, 15, 20, kPreviousPageCommand, 145, 144},
    {L"Next Small Button", 215, 15, 20, kNextPageCommand, 142, 140},
};

int FirstOfMode(int smallMode) { return smallMode ? 2 : 0; }

IconButton* MakeButton(const PageButtonLayout& layout, HWND strip, HINSTANCE instance) {
    auto* button = new IconButton(layout.name, WS_CHILD | WS_VISIBLE, layout.x, 0, layout.width, layout.height,
                                  strip, instance, layout.command);
    button->SetIcons(0, 0, layout.width, layout.height, layout.upIcon, layout.downIcon);
    button->Create(0);
    return button;
}

void Show(IconButton* button, bool show) { ShowWindow(button->Window(), show ? SW_SHOWNORMAL : SW_HIDE); }

}  // namespace

void StripPageButtons::DeleteAll() {
    for (IconButton*& button : buttons_) {
        delete button;
        button = nullptr;
    }
}

void StripPageButtons::Update(HWND strip, HINSTANCE instance, int smallMode, int firstShown, int pageSize,
                              int itemCount) {
    for (int i = 0; i < 4; ++i)
        if (!buttons_[i]) buttons_[i] = MakeButton(kLayouts[i], strip, instance);
    int mode = FirstOfMode(smallMode);
    int other = FirstOfMode(!smallMode);
    Show(buttons_[other], false);
    Show(buttons_[other + 1], false);
    Show(buttons_[mode], firstShown > 0);
    Show(buttons_[mode + 1], firstShown + pageSize < itemCount);
}

IconButton* StripPageButtons::Turning(int smallMode, int pages) const {
    return buttons_[FirstOfMode(smallMode) + (pages > 0 ? 1 : 0)];
}
