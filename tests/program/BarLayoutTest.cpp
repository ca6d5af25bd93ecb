// The bar on screen: where it docks, where its children sit in each layout, its gauges.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"
#include "app/BarPlacement.h"
#include "app/Gauges.h"
#include "device/DeviceStatus.h"
#include "ui/IconButton.h"

namespace {

struct Placement {
    RECT bar;
    POINT strip, settings, backlight, size, hide, config, info, close;
    SIZE stripSize;
};

POINT Position(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(child), &p);
    return p;
}

Placement Measure() {
    Placement p{};
    GetWindowRect(appState.bar, &p.bar);
    p.strip = Position(appState.stripWindow);
    RECT strip;
    GetClientRect(appState.stripWindow, &strip);
    p.stripSize = SIZE{strip.right, strip.bottom};
    p.settings = Position(appState.settingsButton->Window());
    p.backlight = appState.backlightButton ? Position(appState.backlightButton->Window()) : POINT{-1, -1};
    p.size = Position(appState.sizeButton->Window());
    p.hide = Position(appState.hideButton->Window());
    p.config = Position(appState.configButton->Window());
    p.info = Position(appState.infoButton->Window());
    p.close = Position(appState.closeButton->Window());
    return p;
}

void ExpectRow(const Placement& p, int y) {
    EXPECT_EQ(p.settings.x, 5);
    EXPECT_EQ(p.settings.y, y);
    EXPECT_EQ(p.backlight.x, 136);
    EXPECT_EQ(p.size.x, 153);
    EXPECT_EQ(p.hide.x, 170);
    EXPECT_EQ(p.config.x, 187);
    EXPECT_EQ(p.info.x, 204);
    EXPECT_EQ(p.close.x, 221);
    for (auto button : {p.backlight, p.size, p.hide, p.config, p.info, p.close}) EXPECT_EQ(button.y, y);
}

class BarLayout : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.start()); }
    Placement Take() {
        Placement p;
        device.run([&] { p = Measure(); });
        return p;
    }
    test::ProgramDevice device;
};

}  // namespace

TEST_F(BarLayout, DocksSmallAtTheBottomWithItsChildrenInPlace) {
    auto p = Take();
    EXPECT_EQ(p.bar.top, 271);
    EXPECT_EQ(p.bar.bottom, 320);
    EXPECT_EQ(p.bar.right - p.bar.left, 240);
    EXPECT_EQ(p.strip.x, 5);
    EXPECT_EQ(p.strip.y, 5);
    EXPECT_EQ(p.stripSize.cx, 230);
    EXPECT_EQ(p.stripSize.cy, 20);
    ExpectRow(p, 30);
}

TEST_F(BarLayout, TheSizeCommandGrowsTheBarUpwardsAndTheStripWithIt) {
    device.run([] { SendMessage(appState.bar, 3029, 0, 0); });
    auto p = Take();
    EXPECT_EQ(p.bar.top, 257);
    EXPECT_EQ(p.bar.bottom, 320);
    EXPECT_EQ(p.strip.y, 5);
    EXPECT_EQ(p.stripSize.cy, 34);
    ExpectRow(p, 44);
    device.run([] { SendMessage(appState.bar, 3029, 0, 0); });
    EXPECT_EQ(Take().bar.top, 271);
}

TEST_F(BarLayout, FullScreenKeepsThePanelAtTheBottomInBothSizes) {
    device.run([] { GoFullScreen(); });
    auto small = Take();
    EXPECT_EQ(small.bar.top, 0);
    EXPECT_EQ(small.strip.y, 276);
    ExpectRow(small, 301);
    device.run([] {
        Dock();
        SendMessage(appState.bar, 3029, 0, 0);
        GoFullScreen();
    });
    auto large = Take();
    EXPECT_EQ(large.strip.y, 262);
    ExpectRow(large, 301);
    device.run([] { Dock(); });
    EXPECT_EQ(Take().bar.top, 257);
}

TEST(Gauges, FillsAndColoursFollowTheValues) {
    EXPECT_EQ(BatteryFill(255), 18);
    EXPECT_EQ(BatteryColour(255), RGB(0, 153, 0));
    EXPECT_EQ(BatteryFill(49), 8);
    EXPECT_EQ(BatteryColour(49), RGB(255, 0, 0));
    EXPECT_EQ(BatteryFill(50), 9);
    EXPECT_EQ(BatteryColour(50), RGB(0, 153, 0));
    EXPECT_EQ(BatteryFill(0), 0);
    EXPECT_EQ(FreeShareFill(65), 6);
    EXPECT_EQ(FreeShareColour(65), RGB(0, 0, 255));
    EXPECT_EQ(FreeShareFill(66), 6);
    EXPECT_EQ(FreeShareColour(66), RGB(255, 0, 0));
    EXPECT_EQ(FreeShareFill(100), 0);
    EXPECT_EQ(FreeShareFill(0), 18);
}

TEST_F(BarLayout, TheGaugesShowTheDeviceStatusOnTheNextPaint) {
    device.host().inspect([](emu::Device& d) {
        d.status->set_battery(49);
        d.status->set_memory_load(0);
        return 0;
    });
    device.run([] { InvalidateRect(appState.bar, nullptr, FALSE); });
    // Battery bar: 8 red pixels from x 47 on the row 12 above the bottom.
    EXPECT_EQ(device.host().pixel(47, 320 - 10), RGB(255, 0, 0));
    EXPECT_EQ(device.host().pixel(54, 320 - 10), RGB(255, 0, 0));
    EXPECT_EQ(device.host().pixel(55, 320 - 10), RGB(200, 200, 200));
    // Memory bar: fully blue at load 0.
    EXPECT_EQ(device.host().pixel(78, 320 - 10), RGB(0, 0, 255));
    EXPECT_EQ(device.host().pixel(95, 320 - 10), RGB(0, 0, 255));
}

TEST(BarOnAnotherDevice, HasNoBacklightButtonWhenTheDeviceIsNoIpaq) {
    test::ProgramDevice device;
    device.host().inspect([](emu::Device& d) {
        d.status->set_oem_info(L"Generic Pocket PC");
        return 0;
    });
    ASSERT_TRUE(device.start());
    bool has_button = true;
    POINT size{};
    device.run([&] {
        has_button = appState.backlightButton != nullptr;
        size = Position(appState.sizeButton->Window());
    });
    EXPECT_FALSE(has_button);
    EXPECT_EQ(size.x, 153);
}
