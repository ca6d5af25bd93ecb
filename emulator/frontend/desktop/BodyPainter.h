#pragma once
#include <optional>
#include <vector>

#include "frontend/desktop/BodyLayout.h"
#include "frontend/desktop/TextPainter.h"

namespace emu::desktop {

// Draws the device: its body with the buttons, `pressed` drawn held down, and its screen.
class BodyPainter {
public:
    BodyPainter(const BodyLayout& layout, TextPainter& text) : layout_(layout), text_(text) {}

    void paint_body(Pixmap& pixmap, std::optional<DeviceButton> pressed);
    // `screen` is the device's screen as the eye sees it, 240 x 320.
    void paint_screen(Pixmap& pixmap, const std::vector<Colour>& screen);

private:
    void paint_app_key(Pixmap& pixmap, DeviceButton key, bool pressed);
    void paint_pad(Pixmap& pixmap, std::optional<DeviceButton> pressed);
    void paint_power(Pixmap& pixmap, bool pressed);
    // Colours the pixels that hit-test as `button`, so a press shows exactly what answers it.
    void highlight(Pixmap& pixmap, Rect around, DeviceButton button);
    TextStyle label_style(int design_pixels) const;

    const BodyLayout& layout_;
    TextPainter& text_;
};

}  // namespace emu::desktop
