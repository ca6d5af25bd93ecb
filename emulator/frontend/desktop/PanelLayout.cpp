#include "frontend/desktop/PanelLayout.h"

#include <algorithm>

namespace emu::desktop {

namespace {

constexpr int kPadding = 16;
constexpr int kTitleHeight = 26;
constexpr int kRowHeight = 34;
constexpr int kLabelWidth = 116;
constexpr int kTrackWidth = 160;
constexpr int kTrackHeight = 6;
constexpr Size kSwitch{40, 18};
constexpr Size kButton{112, 22};
constexpr PanelControl kControls[] = {PanelControl::Battery, PanelControl::Mains, PanelControl::Memory,
                                      PanelControl::Storage};

}  // namespace

PanelLayout::PanelLayout(int left, int height) : area_{left, 0, kWidth, height} {}

Rect PanelLayout::title() const { return {area_.x + kPadding, kPadding, kWidth - 2 * kPadding, kTitleHeight}; }

Rect PanelLayout::screenshot_button() const {
    const auto t = title();
    return {t.right() - kButton.width, t.y + (t.height - kButton.height) / 2, kButton.width, kButton.height};
}

Rect PanelLayout::row(PanelControl control) const {
    const auto top = title().bottom() + 4 + static_cast<int>(control) * kRowHeight;
    return {area_.x + kPadding, top, kWidth - 2 * kPadding, kRowHeight};
}

Rect PanelLayout::label(PanelControl control) const {
    const auto r = row(control);
    return {r.x, r.y, kLabelWidth, r.height};
}

Rect PanelLayout::value(PanelControl control) const {
    const auto r = row(control);
    const auto left = label(control).right() + kTrackWidth + 14;
    return {left, r.y, r.right() - left, r.height};
}

Rect PanelLayout::control(PanelControl control) const {
    if (control == PanelControl::Screenshot) return screenshot_button();
    const auto r = row(control);
    const auto left = label(control).right();
    if (control == PanelControl::Mains)
        return {left, r.y + (r.height - kSwitch.height) / 2, kSwitch.width, kSwitch.height};
    return {left, r.y + (r.height - kTrackHeight) / 2, kTrackWidth, kTrackHeight};
}

Rect PanelLayout::log_title() const {
    return {area_.x + kPadding, row(PanelControl::Storage).bottom() + 14, kWidth - 2 * kPadding, kTitleHeight};
}

Rect PanelLayout::log() const {
    const auto top = log_title().bottom() + 4;
    return {area_.x + kPadding, top, kWidth - 2 * kPadding, std::max(0, area_.bottom() - kPadding - top)};
}

std::optional<PanelControl> PanelLayout::control_at(Point window) const {
    if (screenshot_button().contains(window)) return PanelControl::Screenshot;
    for (auto c : kControls) {
        const auto shape = control(c);
        // A slider answers in the whole height of its row, so that its thin track is easy to hit.
        const auto r = row(c);
        const auto target = c == PanelControl::Mains ? shape : Rect{shape.x - 6, r.y, shape.width + 12, r.height};
        if (target.contains(window)) return c;
    }
    return std::nullopt;
}

int PanelLayout::slider_percent(PanelControl slider, int x) const {
    const auto track = control(slider);
    const auto offset = std::clamp(x - track.x, 0, track.width - 1);
    return (offset * 100 + (track.width - 1) / 2) / (track.width - 1);
}

int PanelLayout::knob_x(PanelControl slider, int percent) const {
    const auto track = control(slider);
    return track.x + (std::clamp(percent, 0, 100) * (track.width - 1) + 50) / 100;
}

}  // namespace emu::desktop
