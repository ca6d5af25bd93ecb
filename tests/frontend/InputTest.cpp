// What the window's mouse and keys do to the device: the mouse holds whatever it was
// pressed on (stylus, button, slider) until it is released, wherever it moves meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/desktop/DesktopInput.h"

namespace {

using namespace emu::desktop;

// Writes down what reached the device, one line a call.
class Recorder : public DeviceControl {
public:
    void stylus_down(Point p) override { add("down " + at(p)); }
    void stylus_move(Point p) override { add("move " + at(p)); }
    void stylus_up(Point p) override { add("up " + at(p)); }
    void press(DeviceButton b) override { add("press " + std::to_string(static_cast<int>(b))); }
    void toggle_mains() override { add("mains"); }
    void set_level(PanelControl s, int percent) override {
        add("level " + std::to_string(static_cast<int>(s)) + " " + std::to_string(percent));
    }

    std::vector<std::string> calls;

private:
    static std::string at(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    void add(std::string call) { calls.push_back(std::move(call)); }
};

std::string pressed(DeviceButton b) { return "press " + std::to_string(static_cast<int>(b)); }

class DesktopInputTest : public ::testing::Test {
protected:
    Point on_screen(int x, int y) const { return layout.body.to_window({x, y}); }
    Point middle_of(Rect r) const { return {r.x + r.width / 2, r.y + r.height / 2}; }

    DesktopLayout layout{2};
    Recorder device;
    DesktopInput input{layout, device};
};

TEST_F(DesktopInputTest, StylusHeldOnTheScreenFollowsTheMouseOffItUntilReleased) {
    input.mouse_down(on_screen(10, 20));
    EXPECT_TRUE(input.mouse_held());
    input.mouse_move(on_screen(50, 60));
    input.mouse_move({0, 0});  // the window's corner, left of and above the screen
    input.mouse_up(on_screen(239, 319));
    auto s = layout.body.screen();
    const auto corner = std::to_string(-s.x / 2) + "," + std::to_string(-s.y / 2);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"down 10,20", "move 50,60", "move " + corner, "up 239,319"}));
    EXPECT_FALSE(input.mouse_held());
}

TEST_F(DesktopInputTest, MovingWithNothingHeldDoesNothing) {
    input.mouse_move(on_screen(50, 60));
    input.mouse_up(on_screen(50, 60));
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(DesktopInputTest, ButtonPressedWithTheMouseGoesAtOnceAndShowsHeldUntilRelease) {
    input.mouse_down(layout.body.app_key(DeviceButton::App3).centre);
    EXPECT_EQ(input.held_button(), DeviceButton::App3);
    // Sliding onto the screen while holding the button is no stylus.
    input.mouse_move(on_screen(100, 100));
    input.mouse_up(on_screen(100, 100));
    EXPECT_EQ(device.calls, (std::vector<std::string>{pressed(DeviceButton::App3)}));
    EXPECT_FALSE(input.held_button());
}

TEST_F(DesktopInputTest, PressWhileHoldingEndsTheHoldWhoseReleaseWasLost) {
    input.mouse_down(on_screen(10, 10));
    input.mouse_down(layout.body.action().centre);
    const auto up = layout.body.to_screen(layout.body.action().centre);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"down 10,10", "up " + std::to_string(up.x) + "," +
                                                      std::to_string(up.y), pressed(DeviceButton::Action)}));
    EXPECT_EQ(input.held_button(), DeviceButton::Action);
}

TEST_F(DesktopInputTest, LosingTheFocusLiftsTheStylusAndReleasesKeys) {
    input.key_down(DeviceButton::Left);
    input.mouse_down(on_screen(10, 10));
    input.release_all(on_screen(12, 14));
    EXPECT_EQ(device.calls.back(), "up 12,14");
    EXPECT_FALSE(input.mouse_held());
    EXPECT_FALSE(input.held_button());
}

TEST_F(DesktopInputTest, SliderShowsItsValueWhileDraggedAndSetsItOnceOnRelease) {
    auto track = layout.panel.control(PanelControl::Memory);
    input.mouse_down({track.x, track.y});
    input.mouse_move({track.x + track.width / 2, track.y});
    ASSERT_TRUE(input.slider_drag());
    EXPECT_EQ(input.slider_drag()->slider, PanelControl::Memory);
    EXPECT_EQ(input.slider_drag()->percent, 50);
    EXPECT_TRUE(device.calls.empty());
    input.mouse_up({track.right() + 40, track.y + 30});
    const auto memory = std::to_string(static_cast<int>(PanelControl::Memory));
    EXPECT_EQ(device.calls, (std::vector<std::string>{"level " + memory + " 100"}));
    EXPECT_FALSE(input.slider_drag());
}

TEST_F(DesktopInputTest, MainsSwitchTogglesOnPress) {
    input.mouse_down(middle_of(layout.panel.control(PanelControl::Mains)));
    EXPECT_FALSE(input.mouse_held());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"mains"}));
}

TEST_F(DesktopInputTest, PressOnTheBareBodyOrTheLogDoesNothing) {
    input.mouse_down({layout.body.body().x + 4, layout.body.body().bottom() - 4});
    input.mouse_up({layout.body.body().x + 4, layout.body.body().bottom() - 4});
    input.mouse_down(middle_of(layout.panel.log()));
    EXPECT_FALSE(input.mouse_held());
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(DesktopInputTest, KeyHeldShowsItsButtonUntilThatKeyIsReleased) {
    input.key_down(DeviceButton::Up);
    EXPECT_EQ(input.held_button(), DeviceButton::Up);
    input.key_up(DeviceButton::Down);
    EXPECT_EQ(input.held_button(), DeviceButton::Up);
    input.key_up(DeviceButton::Up);
    EXPECT_FALSE(input.held_button());
    EXPECT_EQ(device.calls, (std::vector<std::string>{pressed(DeviceButton::Up)}));
}

}  // namespace
