// The desktop window's geometry: where the screen lies at each zoom and how window points
// map to screen pixels and back, and which drawn button or panel control a point hits.
#include <gtest/gtest.h>

#include "frontend/desktop/DesktopLayout.h"

namespace {

using emu::desktop::BodyLayout;
using emu::desktop::DesktopLayout;
using emu::desktop::DeviceButton;
using emu::desktop::kDeviceButtons;
using emu::desktop::PanelControl;
using emu::desktop::PanelLayout;
using emu::desktop::Point;
using emu::desktop::Rect;

class EachZoom : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Zoom, EachZoom, ::testing::Range(BodyLayout::kMinZoom, BodyLayout::kMaxZoom + 1));

Rect bounds_of(const BodyLayout& layout, DeviceButton button) {
    if (button == DeviceButton::Power) return layout.power();
    auto c = button == DeviceButton::Action    ? layout.action()
             : button >= DeviceButton::Up      ? layout.pad()
                                               : layout.app_key(button);
    return {c.centre.x - c.radius, c.centre.y - c.radius, 2 * c.radius + 1, 2 * c.radius + 1};
}

TEST_P(EachZoom, ScreenIsTheDeviceScreenEnlarged) {
    BodyLayout layout(GetParam());
    auto screen = layout.screen();
    EXPECT_EQ(screen.width, 240 * GetParam());
    EXPECT_EQ(screen.height, 320 * GetParam());
    EXPECT_TRUE(screen.x > 0 && screen.y > 0 && screen.right() < layout.body().right() &&
                screen.bottom() < layout.body().bottom());
}

TEST_P(EachZoom, EveryWindowPixelOfAScreenPixelMapsBackToIt) {
    BodyLayout layout(GetParam());
    const int z = GetParam();
    for (Point pixel : {Point{0, 0}, Point{239, 0}, Point{0, 319}, Point{239, 319}, Point{117, 203}}) {
        auto corner = layout.to_window(pixel);
        for (Point offset : {Point{0, 0}, Point{z - 1, 0}, Point{0, z - 1}, Point{z - 1, z - 1}}) {
            auto mapped = layout.screen_point({corner.x + offset.x, corner.y + offset.y});
            ASSERT_TRUE(mapped);
            EXPECT_EQ(mapped->x, pixel.x);
            EXPECT_EQ(mapped->y, pixel.y);
        }
    }
}

TEST_P(EachZoom, PointsJustOutsideTheScreenAreNotOnIt) {
    BodyLayout layout(GetParam());
    auto s = layout.screen();
    for (Point outside : {Point{s.x - 1, s.y}, Point{s.x, s.y - 1}, Point{s.right(), s.y}, Point{s.x, s.bottom()}})
        EXPECT_FALSE(layout.screen_point(outside)) << outside.x << "," << outside.y;
}

TEST_P(EachZoom, DraggingOffTheScreenGivesCoordinatesBeyondItsEdges) {
    BodyLayout layout(GetParam());
    auto s = layout.screen();
    auto left_above = layout.to_screen({s.x - 1, s.y - 1});
    EXPECT_EQ(left_above.x, -1);
    EXPECT_EQ(left_above.y, -1);
    auto right_below = layout.to_screen({s.right(), s.bottom()});
    EXPECT_EQ(right_below.x, 240);
    EXPECT_EQ(right_below.y, 320);
}

TEST_P(EachZoom, EachButtonAnswersAtItsMiddle) {
    BodyLayout layout(GetParam());
    for (auto key :
         {DeviceButton::App1, DeviceButton::App2, DeviceButton::App3, DeviceButton::App4, DeviceButton::App5})
        EXPECT_EQ(layout.button_at(layout.app_key(key).centre), key);
    EXPECT_EQ(layout.button_at(layout.action().centre), DeviceButton::Action);
    auto power = layout.power();
    EXPECT_EQ(layout.button_at({power.x + power.width / 2, power.y + power.height / 2}), DeviceButton::Power);
}

TEST_P(EachZoom, DirectionPadQuartersSurroundTheActionButton) {
    BodyLayout layout(GetParam());
    auto c = layout.pad().centre;
    const int reach = (layout.pad().radius + layout.action().radius) / 2;
    EXPECT_EQ(layout.button_at({c.x, c.y - reach}), DeviceButton::Up);
    EXPECT_EQ(layout.button_at({c.x, c.y + reach}), DeviceButton::Down);
    EXPECT_EQ(layout.button_at({c.x - reach, c.y}), DeviceButton::Left);
    EXPECT_EQ(layout.button_at({c.x + reach, c.y}), DeviceButton::Right);
    // Beyond the pad's rim nothing answers.
    EXPECT_FALSE(layout.button_at({c.x, c.y - layout.pad().radius - 2}));
}

TEST_P(EachZoom, ButtonsLieOnTheBodyAndNeverOnTheScreen) {
    BodyLayout layout(GetParam());
    for (auto button : kDeviceButtons) {
        auto area = bounds_of(layout, button);
        for (int y = area.y; y < area.bottom(); ++y)
            for (int x = area.x; x < area.right(); ++x) {
                if (layout.button_at({x, y}) != button) continue;
                ASSERT_FALSE(layout.screen().contains({x, y})) << "button " << static_cast<int>(button);
                ASSERT_TRUE(layout.body().contains({x, y})) << "button " << static_cast<int>(button);
            }
    }
}

TEST_P(EachZoom, TheScreenHasNoButton) {
    BodyLayout layout(GetParam());
    auto s = layout.screen();
    for (int y = s.y; y < s.bottom(); y += 7)
        for (int x = s.x; x < s.right(); x += 7) ASSERT_FALSE(layout.button_at({x, y}));
}

TEST(DesktopLayout, PanelStandsRightOfTheBodyAsTallAsTheWindow) {
    DesktopLayout layout(2);
    EXPECT_EQ(layout.panel.area().x, layout.body.body().right());
    EXPECT_EQ(layout.window().width, layout.body.body().width + PanelLayout::kWidth);
    EXPECT_EQ(layout.window().height, layout.body.body().height);
}

TEST(PanelLayout, SliderMapsItsTrackOntoZeroToHundredAndClamps) {
    PanelLayout panel(500, 466);
    auto track = panel.control(PanelControl::Battery);
    EXPECT_EQ(panel.slider_percent(PanelControl::Battery, track.x), 0);
    EXPECT_EQ(panel.slider_percent(PanelControl::Battery, track.right() - 1), 100);
    EXPECT_EQ(panel.slider_percent(PanelControl::Battery, track.x - 50), 0);
    EXPECT_EQ(panel.slider_percent(PanelControl::Battery, track.right() + 50), 100);
    for (int percent = 0; percent <= 100; ++percent)
        ASSERT_EQ(panel.slider_percent(PanelControl::Battery, panel.knob_x(PanelControl::Battery, percent)), percent);
}

TEST(PanelLayout, ControlsAnswerWhereTheyAreDrawnAndNotInTheLog) {
    PanelLayout panel(500, 466);
    for (auto control : {PanelControl::Battery, PanelControl::Mains, PanelControl::Memory, PanelControl::Storage}) {
        auto shape = panel.control(control);
        EXPECT_EQ(panel.control_at({shape.x + shape.width / 2, shape.y + shape.height / 2}), control);
        EXPECT_LE(panel.row(control).bottom(), panel.log_title().y);
    }
    auto log = panel.log();
    EXPECT_GT(log.height, 10 * PanelLayout::kLineHeight);
    EXPECT_FALSE(panel.control_at({log.x + 10, log.y + 10}));
    auto label = panel.label(PanelControl::Battery);
    EXPECT_FALSE(panel.control_at({label.x + 2, label.y + 2}));
}

}  // namespace
