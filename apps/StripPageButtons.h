// The application strip's four page buttons: "Prev Button" and "Next Button" at the ends of
// the large strip, "Prev Small Button" and "Next Small Button" at the ends of the small one.
// Only the current mode's pair shows, each button only while there is a page its way.
#pragma once
#include <windows.h>

class IconButton;

class StripPageButtons {
public:
    StripPageButtons() = default;
    ~StripPageButtons() { DeleteAll(); }
    StripPageButtons(const StripPageButtons&) = delete;
    StripPageButtons& operator=(const StripPageButtons&) = delete;

    // Creates the buttons that do not exist yet (hidden, as children of `strip`), then shows
    // the mode's pair for the page that starts at `firstShown` and hides the other pair.
    void Update(HWND strip, HINSTANCE instance, int smallMode, int firstShown, int pageSize, int itemCount);
    // The mode's button that turns `pages` pages (negative: back); null before the first Update.
    IconButton* Turning(int smallMode, int pages) const;
    // Deletes the buttons, and with them their windows.
    void DeleteAll();

private:
    IconButton* buttons_[4] = {};
};
