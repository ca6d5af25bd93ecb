// The bar on screen: its keys and commands, where it docks and where its children sit in
// each layout, its gauges and the taps on them, the settings entries and the backlight.
#include <gtest/gtest.h>

#include <array>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"
#include "app/BarLayout.h"
#include "app/BarPlacement.h"
#include "device/DeviceStatus.h"
#include "ui/IconButton.h"

using Texts = std::vector<std::string>;

namespace {

const std::string kCalendar = "\"\\Windows\\Start Menu\\Calendar.lnk\"", kInbox = "\"\\Windows\\Start Menu\\Inbox.lnk\"",
                  kNotes = "\"\\Windows\\Start Menu\\Notes.lnk\"";
const std::string kKeyBeep = "64", kCommandBeep = "16";

POINT Position(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(child), &p);
    return p;
}

class Bar : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.start()); }
    test::ProgramDevice device;
};

}  // namespace

TEST(BarKeys, EachHidesTheBarAndKeys1To3And5OpenTheirCommandsWhileKey4FromTheShellBringsItBack) {
    test::ProgramDevice device;
    device.run([] {  // key 2 has no factory command on this device
        HKEY key;
        RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C2", 0, KEY_ALL_ACCESS, &key);
        RegDeleteValue(key, L"ResetCmd");
        RegCloseKey(key);
    });
    ASSERT_TRUE(device.start());
    auto opened = [&] {  // by the bar: the shell opens the program's own shortcut on key 4
        Texts files = device.fields("shell-execute", "file");
        std::erase(files, "\"\\Windows\\Start Menu\\Tesselink.lnk\"");
        return files;
    };
    const RECT docked = device.bar_rect();
    device.host().tap(170 + 7, 271 + 30 + 7);  // the Hide Button
    EXPECT_FALSE(device.bar_shown());
    EXPECT_EQ(device.bar_rect().top, docked.top);
    device.host().key(VK_APP4);
    EXPECT_TRUE(device.bar_shown());
    EXPECT_EQ(device.bar_rect().top, docked.top);
    EXPECT_EQ(device.fields("hardware-key", "to").back(), "shell");

    const struct {
        UINT key;
        bool hides;
        Texts opened;  // all so far
    } presses[] = {{VK_APP4, true, {}},           {VK_APP1, true, {kCalendar}},
                   {VK_APP2, true, {kCalendar}},  {VK_APP3, true, {kCalendar, kInbox}},
                   {VK_APP5, true, {kCalendar, kInbox, kNotes}}, {VK_APP6, false, {kCalendar, kInbox, kNotes}},
                   {VK_RETURN, false, {kCalendar, kInbox, kNotes}}};
    for (const auto& press : presses) {
        SCOPED_TRACE(press.key);
        device.host().key(press.key);
        EXPECT_EQ(device.bar_shown(), !press.hides);
        EXPECT_EQ(opened(), press.opened);
        if (press.hides) device.host().key(VK_APP4);  // back through the shell
    }
    EXPECT_EQ(device.fields("beep", "type"), (Texts{kCommandBeep, kKeyBeep, kKeyBeep, kKeyBeep, kKeyBeep, kKeyBeep,
                                                    kKeyBeep, kKeyBeep}));
    device.run([] { appState.sound = 0; });
    device.host().key(VK_LEFT);
    device.run([] { SendMessage(appState.bar, kSizeCommand, 0, 0); });
    EXPECT_EQ(device.fields("beep", "type").size(), 8u);
}

TEST_F(Bar, DocksAtTheBottomOrFillsTheScreenWithItsChildrenInPlaceInEitherSize) {
    // The bar's top, the strip's top and height and the buttons' row; on the way the rest
    // is checked: the strip's left edge and width, the buttons' left edges.
    auto take = [this] {
        std::array<int, 4> layout{};
        device.run([&] {
            RECT bar, strip;
            GetWindowRect(appState.bar, &bar);
            const POINT at = Position(appState.stripWindow);
            GetClientRect(appState.stripWindow, &strip);
            EXPECT_EQ(at.x, 5);
            EXPECT_EQ(strip.right, 230);
            const std::pair<IconButton*, int> buttons[] = {
                {appState.settingsButton, 5}, {appState.backlightButton, 136}, {appState.sizeButton, 153},
                {appState.hideButton, 170},   {appState.configButton, 187},    {appState.infoButton, 204},
                {appState.closeButton, 221}};
            const int row = Position(appState.settingsButton->Window()).y;
            for (auto [button, x] : buttons) {
                EXPECT_EQ(Position(button->Window()).x, x);
                EXPECT_EQ(Position(button->Window()).y, row);
            }
            layout = {bar.top, at.y, strip.bottom, row};
        });
        return layout;
    };
    const struct {
        const char* name;
        void (*change)();
        std::array<int, 4> layout;
    } steps[] = {
        {"docked small", [] {}, {271, 5, 20, 30}},
        {"full screen small", [] { GoFullScreen(); }, {0, 276, 20, 301}},
        {"docked small again", [] { Dock(); }, {271, 5, 20, 30}},
        {"docked large", [] { SendMessage(appState.bar, kSizeCommand, 0, 0); }, {257, 5, 34, 44}},
        {"full screen large", [] { GoFullScreen(); }, {0, 262, 34, 301}},
        {"docked large again", [] { Dock(); }, {257, 5, 34, 44}},
        {"docked small by the size command", [] { SendMessage(appState.bar, kSizeCommand, 0, 0); }, {271, 5, 20, 30}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        device.run(step.change);
        EXPECT_EQ(take(), step.layout);
    }
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

TEST_F(Bar, TheGaugesShowTheDeviceStatusOnTheNextPaintAndTapsOnThemStartTheirApplets) {
    // Battery from x 47 and free memory from x 78 on the row 10 above the bottom: 18 pixels
    // each, filled in proportion, green from half a battery on, blue while 35% is free.
    const COLORREF kTrack = RGB(200, 200, 200), kGreen = RGB(0, 153, 0), kRed = RGB(255, 0, 0),
                   kBlue = RGB(0, 0, 255);
    const struct {
        int battery, load;
        std::vector<std::pair<int, COLORREF>> pixels;
    } cases[] = {{49, 0, {{47, kRed}, {54, kRed}, {55, kTrack}, {78, kBlue}, {95, kBlue}}},
                 {50, 65, {{55, kGreen}, {56, kTrack}, {83, kBlue}, {84, kTrack}}},
                 {255, 66, {{64, kGreen}, {78, kRed}}}};  // an unknown battery level shows full
    for (const auto& c : cases) {
        SCOPED_TRACE(c.battery);
        device.host().inspect(
            [&](emu::Device& d) { return d.status->set_battery(c.battery) + d.status->set_memory_load(c.load); });
        device.run([] { InvalidateRect(appState.bar, nullptr, FALSE); });
        for (auto [x, colour] : c.pixels) EXPECT_EQ(device.host().pixel(x, 320 - 10), colour) << x;
    }
    device.host().tap(50, 271 + 35);  // battery gauge
    EXPECT_FALSE(device.bar_shown());
    device.host().key(VK_APP4);
    device.host().tap(100, 271 + 35);  // storage gauge
    EXPECT_FALSE(device.bar_shown());
    device.host().key(VK_APP4);
    device.host().tap(128, 271 + 35);  // right of the gauges
    device.host().tap(50, 271 + 29);   // the row above
    EXPECT_TRUE(device.bar_shown());
    EXPECT_EQ(device.fields("create-process", "args"), (Texts{"cplmain.cpl,3", "cplmain.cpl,4"}));
    EXPECT_EQ(device.fields("create-process", "path"), (Texts{"\\Windows\\ctlpnl.exe", "\\Windows\\ctlpnl.exe"}));
}

TEST_F(Bar, ASettingsEntryOverTheInformationDialogClosesBothHidesTheBarAndStartsItsApplet) {
    device.run([] {
        SendMessage(appState.bar, kInfoCommand, 0, 0);
        SendMessage(appState.bar, kSettingsCommand, 0, 0);
    });
    device.host().tap(32 + 10, 148 + 10);  // the menu's first entry, "Buttons"
    int open = -1;
    device.run([&] { open = appState.infoOpen + appState.configOpen + appState.menuOpen; });
    EXPECT_EQ(open, 0);
    EXPECT_FALSE(device.bar_shown());
    EXPECT_EQ(device.bar_rect().top, 271);
    EXPECT_EQ(device.fields("create-process", "args"), Texts{"cplmain.cpl,12"});
    // Info and menu opened, then closed by the entry; the entry itself is silent.
    EXPECT_EQ(device.fields("beep", "type").size(), 4u);
}

TEST_F(Bar, TheBacklightButtonTurnsALitDisplayOffAndBackOnAtFullLevel) {
    device.host().tap(136 + 7, 271 + 30 + 7);
    device.host().tap(136 + 7, 271 + 30 + 7);
    EXPECT_EQ(device.fields("backlight", "on"), (Texts{"0", "1"}));
    EXPECT_EQ(device.fields("backlight", "level").back(), "4");
    EXPECT_EQ(device.fields("beep", "type"), (Texts{kCommandBeep, kCommandBeep}));
}
