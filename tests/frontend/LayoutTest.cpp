// The desktop window's geometry: where the screen lies at each zoom and how window points
// map to screen pixels and back, and which drawn button or panel control a point hits.
#include <gtest/gtest.h>

#include "frontend/desktop/DesktopLayout.h"

namespace {

using namespace emu::desktop;

class EachZoom : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Zoom, EachZoom, ::testing::Range(BodyLayout::kMinZoom, BodyLayout::kMaxZoom + 1));

// The screen is the device's enlarged inside the body: every window pixel of a screen
// pixel maps back to it, points just outside are not on it, and dragging off it gives
// coordinates beyond its edges.
TEST_P(EachZoom, ScreenPointsMapBothWays) {
    const BodyLayout layout(GetParam());
    const int z = GetParam();
    const auto s = layout.screen();
    EXPECT_EQ(std::tie(s.width, s.height), std::make_tuple(240 * z, 320 * z));
    EXPECT_TRUE(s.x > 0 && s.y > 0 && s.right() < layout.body().right() && s.bottom() < layout.body().bottom());
    for (Point pixel : {Point{0, 0}, Point{239, 0}, Point{0, 319}, Point{239, 319}, Point{117, 203}}) {
        const auto corner = layout.to_window(pixel);
        for (Point offset : {Point{0, 0}, Point{z - 1, 0}, Point{0, z - 1}, Point{z - 1, z - 1}}) {
            const auto mapped = layout.screen_point({corner.x + offset.x, corner.y + offset.y});
            ASSERT_TRUE(mapped);
            EXPECT_TRUE(mapped->x == pixel.x && mapped->y == pixel.y) << pixel.x << "," << pixel.y;
        }
    }
    for (Point outside : {Point{s.x - 1, s.y}, Point{s.x, s.y - 1}, Point{s.right(), s.y}, Point{s.x, s.bottom()}})
        EXPECT_FALSE(layout.screen_point(outside)) << outside.x << "," << outside.y;
    const auto left_above = layout.to_screen({s.x - 1, s.y - 1}), right_below = layout.to_screen({s.right(), s.bottom()});
    EXPECT_TRUE(left_above.x == -1 && left_above.y == -1);
    EXPECT_TRUE(right_below.x == 240 && right_below.y == 320);
}

// Each button answers at its middle and only on the body, never on the screen; the pad's
// quarters surround the action button and nothing answers beyond its rim.
TEST_P(EachZoom, ButtonsAnswerWhereTheyAreDrawn) {
    const BodyLayout layout(GetParam());
    for (auto key : {DeviceButton::App1, DeviceButton::App2, DeviceButton::App3, DeviceButton::App4, DeviceButton::App5})
        EXPECT_EQ(layout.button_at(layout.app_key(key).centre), key);
    EXPECT_EQ(layout.button_at(layout.action().centre), DeviceButton::Action);
    const auto power = layout.power();
    EXPECT_EQ(layout.button_at({power.x + power.width / 2, power.y + power.height / 2}), DeviceButton::Power);
    const auto c = layout.pad().centre;
    const int reach = (layout.pad().radius + layout.action().radius) / 2;
    for (auto [dx, dy, quarter] : {std::tuple{0, -reach, DeviceButton::Up}, {0, reach, DeviceButton::Down},
                                   {-reach, 0, DeviceButton::Left}, {reach, 0, DeviceButton::Right}})
        EXPECT_EQ(layout.button_at({c.x + dx, c.y + dy}), quarter);
    EXPECT_FALSE(layout.button_at({c.x, c.y - layout.pad().radius - 2}));
    const auto body = layout.body();
    for (int y = body.y; y < body.bottom() + 8; y += 2)
        for (int x = body.x; x < body.right() + 8; x += 2)
            ASSERT_TRUE(!layout.button_at({x, y}) || (body.contains({x, y}) && !layout.screen().contains({x, y})));
}

// The panel stands right of the body, as tall as the window; each control answers at its
// middle, above the log, and neither the log nor a label answers; a slider maps its track
// onto 0 to 100, clamping beyond it, and its knob stands where its value reads back.
TEST(PanelLayout, ControlsAndSliders) {
    const DesktopLayout layout(2);
    const auto& panel = layout.panel;
    EXPECT_EQ(panel.area().x, layout.body.body().right());
    EXPECT_EQ(std::make_tuple(layout.window().width, layout.window().height),
              std::make_tuple(layout.body.body().width + PanelLayout::kWidth, layout.body.body().height));
    for (auto control : {PanelControl::Battery, PanelControl::Mains, PanelControl::Memory, PanelControl::Storage}) {
        auto shape = panel.control(control);
        EXPECT_EQ(panel.control_at({shape.x + shape.width / 2, shape.y + shape.height / 2}), control);
        EXPECT_LE(panel.row(control).bottom(), panel.log_title().y);
    }
    const auto log = panel.log(), label = panel.label(PanelControl::Battery);
    EXPECT_GT(log.height, 10 * PanelLayout::kLineHeight);
    EXPECT_FALSE(panel.control_at({log.x + 10, log.y + 10}));
    EXPECT_FALSE(panel.control_at({label.x + 2, label.y + 2}));

    const auto track = panel.control(PanelControl::Battery);
    for (auto [x, percent] : {std::pair{track.x, 0}, {track.right() - 1, 100}, {track.x - 50, 0}, {track.right() + 50, 100}})
        EXPECT_EQ(panel.slider_percent(PanelControl::Battery, x), percent) << x;
    for (int percent = 0; percent <= 100; ++percent)
        ASSERT_EQ(panel.slider_percent(PanelControl::Battery, panel.knob_x(PanelControl::Battery, percent)), percent);
}

}  // namespace
