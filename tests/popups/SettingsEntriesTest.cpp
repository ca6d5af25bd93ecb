// What the settings menu's entries start: control-panel applets by number through the
// control-panel host, and for Backlight the device's own program when it has one.
#include <filesystem>
#include <fstream>

#include "MenuFixture.h"

#include "gdi/Gdi.h"
#include "system/ControlPanel.h"

using popups::MenuTest;
using popups::OnCommand;

namespace {

class SettingsEntriesTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        OnCommand() = [](UINT command) { StartSettingsEntry(command); };
    }
    std::vector<emu::Event> Started() { return device.device().log.events("create-process"); }
    // Starting an applet keeps no handle of the new process, and asking the shell about a
    // file keeps no icon.
    std::size_t OpenHandles() {
        return device.host().inspect([](emu::Device& d) { return d.objects.handles.size(); });
    }
    std::size_t LiveIcons() {
        return device.host().inspect([](emu::Device& d) { return d.gdi->live_icons(); });
    }
};

}  // namespace

TEST_F(SettingsEntriesTest, ButtonsStartsTheControlPanelHostWithItsApplet) {
    const auto handles = OpenHandles();
    Tap(0);
    auto started = Started();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text("path"), "\\Windows\\ctlpnl.exe");
    EXPECT_EQ(started[0].text("args"), "cplmain.cpl,12");
    EXPECT_EQ(std::get<bool>(*started[0].field("ok")), true);
    EXPECT_EQ(OpenHandles(), handles);
}

TEST_F(SettingsEntriesTest, EveryOtherEntryStartsTheAppletOfItsName) {
    const int applets[] = {12, 8, 11, 2, 1, 9, 13, 5, 6, 16, 4, 3, 18, 10, 7, 15, 17};
    for (int i = 0; i < 17; ++i) Tap(i);
    auto started = Started();
    ASSERT_EQ(started.size(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(started[i].text("args"), "cplmain.cpl," + std::to_string(applets[i])) << "entry " << i;
}

TEST_F(SettingsEntriesTest, BacklightOpensTheDevicesOwnProgramWhenItHasOne) {
    std::ofstream(device.folder() / "Windows" / "backlight.exe") << "program";
    const auto icons = LiveIcons();
    Tap(8);
    for (const auto& started : Started()) EXPECT_NE(started.text("args"), "cplmain.cpl,6");
    auto opened = device.device().log.events("shell-execute");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text("file"), "\\Windows\\backlight.exe");
    EXPECT_EQ(LiveIcons(), icons);
}

TEST_F(SettingsEntriesTest, BacklightStartsTheAppletOnADeviceWithoutItsProgram) {
    Tap(8);
    auto started = Started();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text("args"), "cplmain.cpl,6");
    EXPECT_TRUE(device.device().log.events("shell-execute").empty());
}

TEST_F(SettingsEntriesTest, TheLauncherReportsWhetherTheHostStarted) {
    BOOL started = FALSE;
    OnUiThread([&] { started = LaunchControlPanelApplet(3); });
    EXPECT_TRUE(started);
    std::filesystem::remove(device.folder() / "Windows" / "ctlpnl.exe");
    OnUiThread([&] { started = LaunchControlPanelApplet(4); });
    EXPECT_FALSE(started);
}
