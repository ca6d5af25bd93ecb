#include "frontend/desktop/BodyPainter.h"

#include <string>

#include "frontend/desktop/Palette.h"
#include "gdi/Gdi.h"

namespace emu::desktop {

namespace {

constexpr DeviceButton kAppKeys[] = {DeviceButton::App1, DeviceButton::App2, DeviceButton::App3,
                                     DeviceButton::App4, DeviceButton::App5};

Rect bounds(Circle c) { return {c.centre.x - c.radius, c.centre.y - c.radius, 2 * c.radius + 1, 2 * c.radius + 1}; }

}  // namespace

TextStyle BodyPainter::label_style(int design_pixels) const {
    return {design_pixels * layout_.zoom(), true, palette::kKeyLabel};
}

void BodyPainter::paint_body(Pixmap& pixmap, std::optional<DeviceButton> pressed) {
    const auto body = layout_.body();
    const int z = layout_.zoom();
    pixmap.fill(body, palette::kDesk);
    pixmap.fill_rounded({body.x + 2 * z, body.y + 2 * z, body.width - 4 * z, body.height - 4 * z}, 30 * z,
                        palette::kBodyEdge);
    pixmap.fill_rounded({body.x + 3 * z, body.y + 3 * z, body.width - 6 * z, body.height - 6 * z}, 29 * z,
                        palette::kBody);
    const auto screen = layout_.screen();
    pixmap.fill_rounded({screen.x - 5 * z, screen.y - 5 * z, screen.width + 10 * z, screen.height + 10 * z}, 4 * z,
                        palette::kBezel);
    for (auto key : kAppKeys) paint_app_key(pixmap, key, pressed == key);
    paint_pad(pixmap, pressed);
    paint_power(pixmap, pressed == DeviceButton::Power);
}

void BodyPainter::paint_screen(Pixmap& pixmap, const std::vector<Colour>& screen) {
    const auto area = layout_.screen();
    pixmap.draw_scaled(screen, {Gdi::kScreenWidth, Gdi::kScreenHeight}, {area.x, area.y}, layout_.zoom());
}

void BodyPainter::paint_app_key(Pixmap& pixmap, DeviceButton key, bool pressed) {
    const auto shape = layout_.app_key(key);
    pixmap.fill(shape, pressed ? palette::kPressed : palette::kKey);
    const auto number = std::to_wstring(static_cast<int>(key) - static_cast<int>(DeviceButton::App1) + 1);
    text_.draw(pixmap, bounds(shape), number, label_style(shape.radius > 12 * layout_.zoom() ? 11 : 8), Align::Centre);
}

void BodyPainter::paint_pad(Pixmap& pixmap, std::optional<DeviceButton> pressed) {
    const auto pad = layout_.pad();
    pixmap.fill(pad, palette::kPad);
    if (pressed && pressed != DeviceButton::Action) highlight(pixmap, bounds(pad), *pressed);
    pixmap.fill(layout_.action(), pressed == DeviceButton::Action ? palette::kPressed : palette::kKey);
    const int reach = (pad.radius + layout_.action().radius) / 2;
    const int half = pad.radius - layout_.action().radius;
    const auto style = label_style(8);
    const auto c = pad.centre;
    text_.draw(pixmap, {c.x - half / 2, c.y - reach - half / 2, half, half}, L"\u25B2", style, Align::Centre);
    text_.draw(pixmap, {c.x - half / 2, c.y + reach - half / 2, half, half}, L"\u25BC", style, Align::Centre);
    text_.draw(pixmap, {c.x - reach - half / 2, c.y - half / 2, half, half}, L"\u25C0", style, Align::Centre);
    text_.draw(pixmap, {c.x + reach - half / 2, c.y - half / 2, half, half}, L"\u25B6", style, Align::Centre);
}

void BodyPainter::paint_power(Pixmap& pixmap, bool pressed) {
    const auto shape = layout_.power();
    pixmap.fill_rounded(shape, shape.height / 2, pressed ? palette::kPressed : palette::kPowerKey);
    text_.draw(pixmap, shape, L"POWER", label_style(7), Align::Centre);
}

void BodyPainter::highlight(Pixmap& pixmap, Rect around, DeviceButton button) {
    for (int y = around.y; y < around.bottom(); ++y)
        for (int x = around.x; x < around.right(); ++x)
            if (layout_.button_at({x, y}) == button) pixmap.blend({x, y}, palette::kPressed, 255);
}

}  // namespace emu::desktop
