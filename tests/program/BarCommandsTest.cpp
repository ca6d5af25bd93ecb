// The bar's hide and size commands, its keys and the taps on its gauges.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"

namespace {

class BarCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.start()); }
    bool BarShown() { return IsShown(device.bar()); }
    bool IsShown(HWND window) {
        return device.host().inspect([&](emu::Device& d) {
            auto w = d.windows->window(window);
            return w && d.windows->shown(*w);
        });
    }
    RECT BarRect() {
        HWND bar = device.bar();
        return device.host().inspect([&](emu::Device& d) { return d.windows->screen_rect(*d.windows->window(bar)); });
    }
    std::vector<std::string> Opened() {
        std::vector<std::string> files;
        for (auto& e : device.device().log.events("shell-execute")) files.push_back(e.text("file"));
        return files;
    }
    std::vector<std::string> Started() {
        std::vector<std::string> started;
        for (auto& e : device.device().log.events("create-process")) started.push_back(e.text("path") + " " + e.text("args"));
        return started;
    }
    std::vector<long long> Beeps() {
        std::vector<long long> types;
        for (auto& e : device.device().log.events("beep")) types.push_back(e.number("type"));
        return types;
    }
    test::ProgramDevice device;
};

}  // namespace

TEST_F(BarCommands, HideLeavesTheBarHiddenInPlaceAndKey4FromTheShellBringsItBack) {
    RECT before = BarRect();
    device.host().tap(170 + 7, 271 + 30 + 7);  // the Hide Button
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(BarRect().top, before.top);
    device.host().key(VK_APP4);
    EXPECT_TRUE(BarShown());
    EXPECT_EQ(BarRect().top, before.top);
    auto keys = device.device().log.events("hardware-key");
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back().text("to"), "shell");
}

TEST_F(BarCommands, Key4WhileTheBarHasTheKeysHidesIt) {
    device.host().key(VK_APP4);
    EXPECT_FALSE(BarShown());
    EXPECT_TRUE(Opened().empty());
}

TEST_F(BarCommands, Keys1To3RunTheirFactoryCommandsAndKey5TheNotesShortcut) {
    device.host().key(VK_APP1);
    EXPECT_FALSE(BarShown());
    device.host().key(VK_APP4);  // back through the shell
    device.host().key(VK_APP5);
    auto opened = Opened();
    ASSERT_GE(opened.size(), 3u);
    EXPECT_EQ(opened[0], "\"\\Windows\\Start Menu\\Calendar.lnk\"");
    EXPECT_EQ(opened.back(), "\"\\Windows\\Start Menu\\Notes.lnk\"");
}

TEST_F(BarCommands, GaugeTapsStartTheirAppletsAndHideTheBar) {
    device.host().tap(50, 271 + 35);  // battery gauge
    EXPECT_FALSE(BarShown());
    device.host().key(VK_APP4);
    device.host().tap(100, 271 + 35);  // storage gauge
    EXPECT_FALSE(BarShown());
    device.host().key(VK_APP4);
    device.host().tap(128, 271 + 35);  // right of the gauges
    device.host().tap(50, 271 + 29);   // the row above
    EXPECT_TRUE(BarShown());
    auto started = Started();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0], "\\Windows\\ctlpnl.exe cplmain.cpl,3");
    EXPECT_EQ(started[1], "\\Windows\\ctlpnl.exe cplmain.cpl,4");
}

TEST_F(BarCommands, CommandsAndKeysBeepOnlyWhileTheSoundIsOn) {
    device.host().key(VK_LEFT);
    device.run([] { SendMessage(appState.bar, 3029, 0, 0); });
    EXPECT_EQ(Beeps(), (std::vector<long long>{0x40, 0x10}));
    device.run([] { appState.sound = 0; });
    device.host().key(VK_LEFT);
    device.run([] { SendMessage(appState.bar, 3029, 0, 0); });
    EXPECT_EQ(Beeps().size(), 2u);
}
