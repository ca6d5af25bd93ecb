// The bar after it docks anew, as the person sees it: a size change, the settings menu
// closed by a tap outside it, and a close and a new start leave the bar's screen area just as
// a bar freshly started in that state draws it.
#include <gtest/gtest.h>

#include <fstream>

#include <shellapi.h>

#include "ProgramDevice.h"
#include "device/DeviceStatus.h"

namespace {

const POINT kSizeButton{160, 308}, kSettingsButton{20, 308}, kCloseButton{228, 308};
const POINT kOutsideTheMenu{10, 100};
const int kCorner = 4;

// The bar's rectangle and what the screen shows there. The panel's rounded top corners leave
// 4 x 4 pixels at each end of its top rows that the bar never paints: they keep whatever the
// screen showed there before, on the device as here, and are left out.
struct Area {
    RECT rect;
    std::vector<COLORREF> pixels;

    bool operator==(const Area& other) const {
        return rect.left == other.rect.left && rect.top == other.rect.top && rect.right == other.rect.right &&
               rect.bottom == other.rect.bottom && pixels == other.pixels;
    }
};

// A device whose program starts with the options file saying `mode` (1: the large bar).
struct Bar : test::ProgramDevice {
    explicit Bar(int mode = 0, int battery = -1) {
        std::ofstream(folder() / "Windows" / "tslink.opt", std::ios::binary)
            << "MODE=" << mode << "\r\nALOAD=0\r\nSOUND=1\r\n";
        if (battery >= 0) SetBattery(battery);
        start();
    }
    void SetBattery(int percent) {
        host().inspect([&](emu::Device& d) { return d.status->set_battery(percent); });
    }
    void Tap(POINT point) { host().tap(point.x, point.y); }
    Area Shown() {
        HWND window = bar();
        RECT rect = host().inspect([&](emu::Device& d) { return d.windows->screen_rect(*d.windows->window(window)); });
        const int width = rect.right - rect.left;
        Area area{rect, screen_area(rect.left, rect.top, width, rect.bottom - rect.top)};
        for (int y = 0; y < kCorner; ++y)
            for (int x = 0; x < kCorner; ++x) {
                area.pixels[y * width + x] = 0;
                area.pixels[y * width + width - 1 - x] = 0;
            }
        return area;
    }
};

// What a bar freshly started in that state shows. The program keeps its state in globals,
// so only one device runs it at a time: this one ends before the test starts its own.
Area Fresh(int mode, int battery = -1) {
    Bar bar(mode, battery);
    Area shown = bar.Shown();
    bar.host().shutdown();
    return shown;
}

}  // namespace

TEST(DockingRepaint, SizeTheSettingsMenuClosedByATapOutsideAndARestartLeaveTheBarAsAFreshOne) {
    const Area small = Fresh(0), large = Fresh(1), low_battery = Fresh(0, 20);
    Bar bar;
    const int battery = bar.host().inspect([](emu::Device& d) { return int{d.status->current().battery_percent}; });
    bar.Tap(kSizeButton);
    EXPECT_TRUE(bar.Shown() == large);
    bar.Tap(kSizeButton);
    EXPECT_TRUE(bar.Shown() == small);

    bar.Tap(kSettingsButton);
    ASSERT_FALSE(bar.Shown() == small);  // the menu is open over the whole screen
    bar.Tap(kOutsideTheMenu);
    EXPECT_TRUE(bar.Shown() == small);
    bar.Tap(kSettingsButton);
    bar.SetBattery(20);
    bar.Tap(kOutsideTheMenu);
    EXPECT_TRUE(bar.Shown() == low_battery);

    // Closed, then started again by its shortcut, the bar reads its files anew.
    bar.SetBattery(battery);
    bar.Tap(kCloseButton);
    ASSERT_TRUE(bar.host().wait_for_exit());
    ASSERT_EQ(bar.bar(), nullptr);
    std::ofstream(bar.folder() / "Windows" / "tslink.opt", std::ios::binary) << "MODE=1\r\nALOAD=0\r\nSOUND=1\r\n";
    bar.run([] {
        SHELLEXECUTEINFO info = {};
        info.cbSize = sizeof info;
        info.lpFile = L"\\Windows\\Start Menu\\Tesselink.lnk";
        ShellExecuteEx(&info);
    });
    ASSERT_NE(bar.bar(), nullptr);
    EXPECT_TRUE(bar.Shown() == large);
    EXPECT_TRUE(bar.device().log.events("debug").empty());
}
