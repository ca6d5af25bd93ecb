#pragma once
#include <optional>

#include "frontend/desktop/DeviceButton.h"
#include "frontend/desktop/Geometry.h"

namespace emu::desktop {

// Where the device's body, screen and buttons lie in the window at a zoom. The body is
// designed at zoom 1 and scaled whole, so that its buttons keep their place around the
// screen.
class BodyLayout {
public:
    static constexpr int kMinZoom = 1, kMaxZoom = 4;

    explicit BodyLayout(int zoom);

    int zoom() const { return zoom_; }
    Rect body() const;
    Rect screen() const;

    // The screen pixel under a window point, or nothing outside the screen.
    std::optional<Point> screen_point(Point window) const;
    // The screen coordinates of any window point, outside the screen too: a stylus held
    // down keeps moving when it leaves the screen.
    Point to_screen(Point window) const;
    // The window point of a screen pixel's top-left corner.
    Point to_window(Point screen) const;

    std::optional<DeviceButton> button_at(Point window) const;

    // The buttons' shapes: the application keys and the action button are round, the
    // direction pad is a disc split into four quarters around the action button, the
    // power button a small bar.
    Circle app_key(DeviceButton key) const;
    Circle pad() const;
    Circle action() const;
    Rect power() const;

private:
    Circle scaled(Circle design) const;
    Rect scaled(Rect design) const;
    DeviceButton pad_direction(Point window) const;

    int zoom_;
};

}  // namespace emu::desktop
