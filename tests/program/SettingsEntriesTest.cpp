// Choosing a settings-menu entry from the bar closes every pop-up, hides the bar in its
// docked place and starts the entry's applet; the Backlight Button switches the light.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"

namespace {

class SettingsEntries : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.start()); }
    test::ProgramDevice device;
};

}  // namespace

TEST_F(SettingsEntries, ButtonsEntryOverTheInformationDialogClosesBothHidesTheBarAndStartsApplet12) {
    device.run([] {
        SendMessage(appState.bar, 3025, 0, 0);
        SendMessage(appState.bar, 3027, 0, 0);
    });
    device.host().tap(32 + 10, 148 + 10);  // the menu's first entry, "Buttons"
    int open = -1;
    RECT bar{};
    BOOL visible = TRUE;
    device.run([&] {
        open = appState.infoOpen + appState.configOpen + appState.menuOpen;
        GetWindowRect(appState.bar, &bar);
        visible = IsWindowVisible(appState.bar);
    });
    EXPECT_EQ(open, 0);
    EXPECT_FALSE(visible);
    EXPECT_EQ(bar.top, 271);
    auto started = device.device().log.events("create-process");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text("args"), "cplmain.cpl,12");
    auto beeps = device.device().log.events("beep");
    EXPECT_EQ(beeps.size(), 4u);  // info and menu opened, then closed by the entry; the entry itself is silent
}

TEST_F(SettingsEntries, TheBacklightButtonTurnsALitDisplayOffAndBackOnAtFullLevel) {
    device.host().tap(136 + 7, 271 + 30 + 7);
    auto first = device.device().log.events("backlight");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].number("on"), 0);
    device.host().tap(136 + 7, 271 + 30 + 7);
    auto second = device.device().log.events("backlight");
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[1].number("on"), 1);
    EXPECT_EQ(second[1].number("level"), 4);
    EXPECT_EQ(device.device().log.events("beep").size(), 2u);
}
