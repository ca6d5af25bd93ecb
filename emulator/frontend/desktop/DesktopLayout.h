#pragma once
#include <algorithm>

#include "frontend/desktop/BodyLayout.h"
#include "frontend/desktop/PanelLayout.h"

namespace emu::desktop {

// The window: the device's body on the left, the side panel on the right.
struct DesktopLayout {
    explicit DesktopLayout(int zoom) : body(zoom), panel(body.body().right(), body.body().height) {}

    Size window() const { return {panel.area().right(), panel.area().height}; }

    BodyLayout body;
    PanelLayout panel;
};

// The largest zoom, not above `asked` (1 to 4), whose window fits in `room`; 1 when none does.
inline int fitting_zoom(int asked, Size room) {
    int zoom = std::clamp(asked, BodyLayout::kMinZoom, BodyLayout::kMaxZoom);
    for (; zoom > BodyLayout::kMinZoom; --zoom) {
        const auto window = DesktopLayout(zoom).window();
        if (window.width <= room.width && window.height <= room.height) break;
    }
    return zoom;
}

}  // namespace emu::desktop
