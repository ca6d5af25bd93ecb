// The device's backlight: BackLightChangeEvent applies OnOff and Brightness to what the
// screen shows, never to the framebuffer; the setting also holds from boot.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/Gdi.h"
#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Writes the backlight values and, when asked, signals the change as the utility library's
// callers do.
void SetBacklight(emu::DeviceHost& host, DWORD onOff, DWORD brightness, LPCWSTR event = L"BackLightChangeEvent") {
    host.run(L"\\Windows\\settings.exe", [=] {
        HKEY key;
        RegCreateKeyEx(HKEY_CURRENT_USER, L"ControlPanel\\Backlight", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                       nullptr);
        RegSetValueEx(key, L"OnOff", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&onOff), sizeof onOff);
        RegSetValueEx(key, L"Brightness", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&brightness), sizeof brightness);
        RegCloseKey(key);
        if (event) {
            HANDLE change = CreateEvent(nullptr, FALSE, FALSE, event);
            SetEvent(change);
            CloseHandle(change);
        }
        return 0;
    });
}

class BacklightDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
        ASSERT_TRUE(host) << error;
        PaintWhiteCorner();
    }
    void PaintWhiteCorner() {
        host->run(L"\\Windows\\paint.exe", [] {
            HDC screen = GetDC(nullptr);
            RECT corner = {0, 0, 4, 4};
            HBRUSH white = CreateSolidBrush(kWhite);
            FillRect(screen, &corner, white);
            DeleteObject(white);
            ReleaseDC(nullptr, screen);
            return 0;
        });
    }
    COLORREF Framebuffer() {
        return host->inspect([](emu::Device& d) {
            std::uint32_t rgb = d.gdi->framebuffer()[0];
            return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        });
    }
    int Shown() { return GetRValue(host->pixel(1, 1)); }
    std::vector<emu::Event> Changes() { return host->device().log.events("backlight"); }

    emu::TemporaryFolder folder;
    std::unique_ptr<emu::DeviceHost> host;
};

}  // namespace

TEST_F(BacklightDisplay, TheChangeEventDimsWhatTheScreenShowsButNotTheFramebuffer) {
    EXPECT_EQ(Shown(), 255);
    SetBacklight(*host, 1, 2);
    const int level2 = Shown();
    SetBacklight(*host, 1, 1);
    const int level1 = Shown();
    SetBacklight(*host, 0, 4);
    const int off = Shown();
    EXPECT_LT(off, level1);
    EXPECT_LT(level1, level2);
    EXPECT_LT(level2, 255);
    EXPECT_GT(off, 0);  // a reflective screen stays faintly readable
    EXPECT_EQ(Framebuffer(), kWhite);
    SetBacklight(*host, 1, 4);
    EXPECT_EQ(Shown(), 255);

    auto changes = Changes();
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(std::get<bool>(*changes[2].field("on")), false);
    EXPECT_EQ(changes[2].number("level"), 4);
    EXPECT_EQ(std::get<bool>(*changes[3].field("on")), true);
    EXPECT_EQ(changes[3].number("level"), 4);
}

TEST_F(BacklightDisplay, BrightnessZeroIsOffAndNothingChangesWithoutTheEvent) {
    SetBacklight(*host, 1, 0, nullptr);
    EXPECT_EQ(Shown(), 255);
    SetBacklight(*host, 1, 0, L"SomeOtherEvent");
    EXPECT_EQ(Shown(), 255);
    EXPECT_TRUE(Changes().empty());
    SetBacklight(*host, 1, 0);
    EXPECT_LT(Shown(), 255);
    ASSERT_EQ(Changes().size(), 1u);
    EXPECT_EQ(std::get<bool>(*Changes()[0].field("on")), false);
}

TEST_F(BacklightDisplay, ADeviceBootsWithTheBacklightItsRegistrySays) {
    SetBacklight(*host, 0, 4, nullptr);
    host->shutdown();
    std::string error;
    host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    ASSERT_TRUE(host) << error;
    PaintWhiteCorner();
    EXPECT_LT(Shown(), 255);
    EXPECT_TRUE(Changes().empty());
}
