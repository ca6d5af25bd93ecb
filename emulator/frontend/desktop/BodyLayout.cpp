#include "frontend/desktop/BodyLayout.h"

#include <algorithm>
#include <cstdlib>

#include "gdi/Gdi.h"

namespace emu::desktop {

namespace {

// The body at zoom 1.
constexpr Rect kBody{0, 0, 288, 466};
constexpr Point kScreenOrigin{24, 36};
constexpr int kKeyRow = 412;
constexpr Circle kAppKeys[] = {{{34, kKeyRow}, 16}, {{78, kKeyRow}, 16}, {{210, kKeyRow}, 16},
                               {{254, kKeyRow}, 16}, {{40, 18}, 10}};
constexpr Circle kPad{{144, kKeyRow}, 38};
constexpr Circle kAction{{144, kKeyRow}, 15};
constexpr Rect kPower{216, 11, 48, 14};

// Rounds towards minus infinity, so that points left of or above the screen map to
// negative screen coordinates.
int floor_divide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

BodyLayout::BodyLayout(int zoom) : zoom_(std::clamp(zoom, kMinZoom, kMaxZoom)) {}

Rect BodyLayout::body() const { return scaled(kBody); }

Rect BodyLayout::screen() const {
    return scaled(Rect{kScreenOrigin.x, kScreenOrigin.y, Gdi::kScreenWidth, Gdi::kScreenHeight});
}

std::optional<Point> BodyLayout::screen_point(Point window) const {
    if (!screen().contains(window)) return std::nullopt;
    return to_screen(window);
}

Point BodyLayout::to_screen(Point window) const {
    const auto area = screen();
    return {floor_divide(window.x - area.x, zoom_), floor_divide(window.y - area.y, zoom_)};
}

Point BodyLayout::to_window(Point screen_pixel) const {
    const auto area = screen();
    return {area.x + screen_pixel.x * zoom_, area.y + screen_pixel.y * zoom_};
}

std::optional<DeviceButton> BodyLayout::button_at(Point window) const {
    for (auto key : {DeviceButton::App1, DeviceButton::App2, DeviceButton::App3, DeviceButton::App4,
                     DeviceButton::App5})
        if (app_key(key).contains(window)) return key;
    if (action().contains(window)) return DeviceButton::Action;
    if (pad().contains(window)) return pad_direction(window);
    if (power().contains(window)) return DeviceButton::Power;
    return std::nullopt;
}

DeviceButton BodyLayout::pad_direction(Point window) const {
    const int dx = window.x - pad().centre.x, dy = window.y - pad().centre.y;
    if (std::abs(dx) > std::abs(dy)) return dx < 0 ? DeviceButton::Left : DeviceButton::Right;
    return dy < 0 ? DeviceButton::Up : DeviceButton::Down;
}

Circle BodyLayout::app_key(DeviceButton key) const {
    const auto index = static_cast<int>(key) - static_cast<int>(DeviceButton::App1);
    return scaled(kAppKeys[std::clamp(index, 0, 4)]);
}

Circle BodyLayout::pad() const { return scaled(kPad); }
Circle BodyLayout::action() const { return scaled(kAction); }
Rect BodyLayout::power() const { return scaled(kPower); }

Circle BodyLayout::scaled(Circle design) const {
    return {{design.centre.x * zoom_, design.centre.y * zoom_}, design.radius * zoom_};
}

Rect BodyLayout::scaled(Rect design) const {
    return {design.x * zoom_, design.y * zoom_, design.width * zoom_, design.height * zoom_};
}

}  // namespace emu::desktop
