// The dialog's two options, autoload and sound: their boxes and texts, and the taps that flip
// them. Only a tap on a box counts, not one on its text.
#include "config/ConfigDialog.h"

#include "config/CheckBox.h"
#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"

namespace {

const int kBoxLeft = 20;
const int kAutoloadBoxTop = 202;
const int kSoundBoxTop = 232;
const int kTextLeft = 40;

bool OnBox(WORD y, int boxTop) { return y >= boxTop && y < boxTop + kCheckBoxHeight; }

}  // namespace

void ConfigDialog::DrawOptions() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    DrawCheckBox(dc, instance_, autoload_, kBoxLeft, kAutoloadBoxTop);
    DrawLabel(dc, L"Automatically load 'Tesselink'", 1, kTextLeft, 200, kTextColour);
    DrawLabel(dc, L"when you turn on the device.", 1, kTextLeft, 214, kTextColour);
    DrawCheckBox(dc, instance_, sound_, kBoxLeft, kSoundBoxTop);
    DrawLabel(dc, L"Turn on Sound", 1, kTextLeft, 230, kTextColour);
    ReleaseDC(window_, dc);
}

// The boxes take taps from x 20 to 34: one pixel right of the box's 14-pixel width counts.
void ConfigDialog::OnTap(WORD x, WORD y) {
    if (x < kBoxLeft || x > kBoxLeft + kCheckBoxWidth) return;
    if (OnBox(y, kAutoloadBoxTop)) ToggleOption(autoload_, kAutoloadBoxTop);
    else if (OnBox(y, kSoundBoxTop)) ToggleOption(sound_, kSoundBoxTop);
}

void ConfigDialog::ToggleOption(int& flag, int boxTop) {
    flag = flag ? 0 : 1;
    HDC dc = GetDC(window_);
    if (!dc) return;
    DrawCheckBox(dc, instance_, flag, kBoxLeft, boxTop);
    ReleaseDC(window_, dc);
}
