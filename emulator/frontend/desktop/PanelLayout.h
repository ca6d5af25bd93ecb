#pragma once
#include <optional>

#include "frontend/desktop/Geometry.h"

namespace emu::desktop {

// The panel's controls: what a handheld's owner cannot set from a program, and the
// screenshot button.
enum class PanelControl { Battery, Mains, Memory, Storage, Screenshot };

// Where the side panel's controls and the event log lie in the window. The panel keeps
// one size at every zoom; it is as tall as the window.
class PanelLayout {
public:
    static constexpr int kWidth = 400;
    static constexpr int kLineHeight = 17;

    PanelLayout(int left, int height);

    Rect area() const { return area_; }
    Rect title() const;
    // The screenshot button, at the right end of the title.
    Rect screenshot_button() const;
    // A control's row: its label on the left, the control, its value on the right.
    Rect row(PanelControl control) const;
    Rect label(PanelControl control) const;
    Rect value(PanelControl control) const;
    // The slider's track (battery, memory, storage), the switch (mains power) or the button.
    Rect control(PanelControl control) const;
    Rect log_title() const;
    Rect log() const;

    std::optional<PanelControl> control_at(Point window) const;
    // The slider value, 0 to 100, under window column `x` (clamped to the track).
    int slider_percent(PanelControl slider, int x) const;
    // The window column of the slider's knob for `percent`.
    int knob_x(PanelControl slider, int percent) const;

private:
    Rect area_;
};

}  // namespace emu::desktop
