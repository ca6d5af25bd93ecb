// What the window's mouse and keys do to the device: the mouse holds whatever it was
// pressed on (stylus, button, slider) until it is released, wherever it moves meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/desktop/DesktopInput.h"

namespace {

using namespace emu::desktop;
using Calls = std::vector<std::string>;

// Writes down what reached the device, one line a call.
class Recorder : public DeviceControl {
public:
    void stylus_down(Point p) override { calls.push_back("down " + at(p)); }
    void stylus_move(Point p) override { calls.push_back("move " + at(p)); }
    void stylus_up(Point p) override { calls.push_back("up " + at(p)); }
    void press(DeviceButton b) override { calls.push_back(pressed(b)); }
    void toggle_mains() override { calls.push_back("mains"); }
    void save_screenshot() override { calls.push_back("screenshot"); }
    void set_level(PanelControl s, int percent) override {
        calls.push_back("level " + std::to_string(static_cast<int>(s)) + " " + std::to_string(percent));
    }
    static std::string at(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    static std::string pressed(DeviceButton b) { return "press " + std::to_string(static_cast<int>(b)); }

    Calls calls;
};

class DesktopInputTest : public ::testing::Test {
protected:
    Point on_screen(int x, int y) const { return layout.body.to_window({x, y}); }
    static Point middle_of(Rect r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

    DesktopLayout layout{2};
    Recorder device;
    DesktopInput input{layout, device};
};

// Held on the screen, the stylus follows the mouse off it until released; a press while
// held ends the hold whose release was lost; losing the focus lifts it; with nothing held
// a move or a release does nothing.
TEST_F(DesktopInputTest, TheStylusIsHeldUntilReleased) {
    input.mouse_move(on_screen(50, 60));
    input.mouse_up(on_screen(50, 60));
    input.mouse_down(on_screen(10, 20));
    EXPECT_TRUE(input.mouse_held());
    input.mouse_move(on_screen(50, 60));
    input.mouse_move({0, 0});  // the window's corner, left of and above the screen
    input.mouse_up(on_screen(239, 319));
    EXPECT_FALSE(input.mouse_held());
    input.mouse_down(on_screen(10, 10));
    input.mouse_down(layout.body.action().centre);
    input.mouse_up(layout.body.action().centre);
    input.mouse_down(on_screen(10, 10));
    input.release_all(on_screen(12, 14));
    EXPECT_FALSE(input.mouse_held());
    const auto s = layout.body.screen();
    EXPECT_EQ(device.calls, (Calls{"down 10,20", "move 50,60", "move " + Recorder::at({-s.x / 2, -s.y / 2}),
                                   "up 239,319", "down 10,10",
                                   "up " + Recorder::at(layout.body.to_screen(layout.body.action().centre)),
                                   Recorder::pressed(DeviceButton::Action), "down 10,10", "up 12,14"}));
}

// A button pressed with the mouse or a key goes at once and shows held until that release;
// sliding onto the screen meanwhile is no stylus; the mains switch and the screenshot button
// act on a press; the bare body and the log do nothing.
TEST_F(DesktopInputTest, ButtonsKeysAndTheMainsSwitchGoAtOnce) {
    input.mouse_down(layout.body.app_key(DeviceButton::App3).centre);
    EXPECT_EQ(input.held_button(), DeviceButton::App3);
    input.mouse_move(on_screen(100, 100));
    input.mouse_up(on_screen(100, 100));
    EXPECT_FALSE(input.held_button());
    input.key_down(DeviceButton::Up);
    EXPECT_EQ(input.held_button(), DeviceButton::Up);
    input.key_up(DeviceButton::Down);
    EXPECT_EQ(input.held_button(), DeviceButton::Up);
    input.key_up(DeviceButton::Up);
    EXPECT_FALSE(input.held_button());
    input.key_down(DeviceButton::Left);
    input.release_all(on_screen(1, 1));
    EXPECT_FALSE(input.held_button());
    for (Point idle : {Point{layout.body.body().x + 4, layout.body.body().bottom() - 4}, middle_of(layout.panel.log()),
                       middle_of(layout.panel.control(PanelControl::Mains)),
                       middle_of(layout.panel.control(PanelControl::Screenshot))}) {
        input.mouse_down(idle);
        EXPECT_FALSE(input.mouse_held());
        input.mouse_up(idle);
    }
    EXPECT_EQ(device.calls, (Calls{Recorder::pressed(DeviceButton::App3), Recorder::pressed(DeviceButton::Up),
                                   Recorder::pressed(DeviceButton::Left), "mains", "screenshot"}));
}

TEST_F(DesktopInputTest, SliderShowsItsValueWhileDraggedAndSetsItOnceOnRelease) {
    auto track = layout.panel.control(PanelControl::Memory);
    input.mouse_down({track.x, track.y});
    input.mouse_move({track.x + track.width / 2, track.y});
    EXPECT_EQ(input.slider_drag(), (SliderDrag{PanelControl::Memory, 50}));
    EXPECT_TRUE(device.calls.empty());
    input.mouse_up({track.right() + 40, track.y + 30});
    EXPECT_EQ(device.calls, (Calls{"level " + std::to_string(static_cast<int>(PanelControl::Memory)) + " 100"}));
    EXPECT_FALSE(input.slider_drag());
}

}  // namespace
