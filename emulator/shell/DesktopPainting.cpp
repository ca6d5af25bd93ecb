#include "shell/DesktopPainting.h"

#include "gdi/Gdi.h"
#include "gdi/Pixel.h"
#include "gdi/TextDrawing.h"
#include "kernel/Device.h"
#include "shell/Taskbar.h"
#include "shell/TaskbarClock.h"

namespace emu {

namespace {

constexpr COLORREF kSkyTop = RGB(200, 218, 242), kSkyBottom = RGB(246, 249, 253);
constexpr COLORREF kTaskbarColour = RGB(0, 44, 124), kTaskbarEdge = RGB(90, 130, 200);
constexpr COLORREF kMenuBarColour = RGB(220, 220, 220), kMenuBarEdge = RGB(150, 150, 150);

}  // namespace

DesktopPainting::DesktopPainting(Device& device, const Region& area) : device_(device), gdi_(device.gdi.get()) {
    if (!gdi_) return;
    dc_ = gdi_->create_screen_dc(POINT{0, 0}, area);
    context_ = gdi_->dc(dc_);
}

DesktopPainting::~DesktopPainting() {
    if (dc_) gdi_->release_dc(dc_);
}

void DesktopPainting::fill(const RECT& rect, COLORREF colour) {
    if (context_) context_->canvas().fill(rect, pixel_of(colour));
}

// A quiet vertical wash from a pale sky blue down to white.
void DesktopPainting::background() {
    if (!context_) return;
    auto canvas = context_->canvas();
    const int height = Gdi::kScreenHeight;
    for (int y = 0; y < height; ++y)
        canvas.fill_row(y, 0, Gdi::kScreenWidth,
                        blend(pixel_of(kSkyTop), pixel_of(kSkyBottom), static_cast<unsigned>(y * 255 / (height - 1))));
}

void DesktopPainting::taskbar(bool start_icon) {
    const RECT& bar = Taskbar::kTaskbarArea;
    fill(bar, kTaskbarColour);
    fill({bar.left, bar.bottom - 1, bar.right, bar.bottom}, kTaskbarEdge);
    if (start_icon) {
        fill({5, 5, 12, 12}, RGB(230, 60, 40));
        fill({14, 5, 21, 12}, RGB(60, 180, 60));
        fill({5, 14, 12, 21}, RGB(40, 120, 230));
        fill({14, 14, 21, 21}, RGB(250, 200, 30));
    }
    text_right_aligned(taskbar_time(device_.clock).c_str(), bar.right - 6, 6, RGB(255, 255, 255));
}

void DesktopPainting::menu_bar(bool input_button) {
    const RECT& bar = Taskbar::kMenuBarArea;
    fill(bar, kMenuBarColour);
    fill({bar.left, bar.top, bar.right, bar.top + 1}, kMenuBarEdge);
    if (!input_button) return;
    // A small keyboard: a framed key bed with two rows of keys and a space bar.
    RECT keyboard{212, 300, 234, 314};
    fill(keyboard, RGB(0, 0, 0));
    fill({keyboard.left + 1, keyboard.top + 1, keyboard.right - 1, keyboard.bottom - 1}, RGB(255, 255, 255));
    for (int row = 0; row < 2; ++row)
        for (int key = 0; key < 6; ++key) fill({214 + key * 3, 302 + row * 3, 216 + key * 3, 304 + row * 3}, RGB(0, 0, 0));
    fill({217, 309, 229, 311}, RGB(0, 0, 0));
}

void DesktopPainting::text_right_aligned(const wchar_t* text, int right, int top, COLORREF colour) {
    if (!context_) return;
    context_->text_colour = colour;
    context_->background_mode = TRANSPARENT;
    SIZE size = text_extent(*context_, text);
    draw_text(*context_, right - size.cx, top, 0, nullptr, text, nullptr);
}

}  // namespace emu
