#pragma once
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

}  // namespace emu::desktop
