// The device's backlight: BackLightChangeEvent applies OnOff and Brightness to what the
// screen shows, never to the framebuffer; the setting also holds from boot.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/Gdi.h"
#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"

namespace {

class BacklightDisplay : public ::testing::Test {
protected:
    void SetUp() override { Boot(); }
    // Boots the device folder and paints the screen's corner white.
    void Boot() {
        std::string error;
        host.reset();  // one emulator at a time on a device folder
        host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
        ASSERT_TRUE(host) << error;
        host->run(L"\\Windows\\paint.exe", [] {
            HDC screen = GetDC(nullptr);
            RECT corner = {0, 0, 4, 4};
            FillRect(screen, &corner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            ReleaseDC(nullptr, screen);
            return 0;
        });
    }
    // Writes the backlight values and signals `event`, as the utility library's callers do.
    void Set(DWORD onOff, DWORD brightness, LPCWSTR event = L"BackLightChangeEvent") {
        host->run(L"\\Windows\\settings.exe", [=] {
            HKEY key;
            RegCreateKeyEx(HKEY_CURRENT_USER, L"ControlPanel\\Backlight", 0, nullptr, 0, 0, nullptr, &key, nullptr);
            RegSetValueEx(key, L"OnOff", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&onOff), sizeof onOff);
            RegSetValueEx(key, L"Brightness", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&brightness),
                          sizeof brightness);
            RegCloseKey(key);
            if (!event) return 0;
            HANDLE change = CreateEvent(nullptr, FALSE, FALSE, event);
            SetEvent(change);
            CloseHandle(change);
            return 0;
        });
    }
    int Shown() { return GetRValue(host->pixel(1, 1)); }
    std::uint32_t Framebuffer() {
        return host->inspect([](emu::Device& d) { return d.gdi->framebuffer()[241] & 0xFFFFFF; });
    }
    std::vector<emu::Event> Changes() { return host->device().log.events("backlight"); }

    emu::TemporaryFolder folder;
    std::unique_ptr<emu::DeviceHost> host;
};

}  // namespace

TEST_F(BacklightDisplay, TheChangeEventDimsWhatTheScreenShowsButNotTheFramebuffer) {
    EXPECT_EQ(Shown(), 255);
    Set(1, 0, nullptr);  // without the event nothing changes
    Set(1, 0, L"SomeOtherEvent");
    EXPECT_EQ(Shown(), 255);
    std::vector<int> shown;
    for (DWORD level : {2u, 1u, 0u}) {
        Set(1, level);
        shown.push_back(Shown());
    }
    Set(0, 4);
    shown.push_back(Shown());
    EXPECT_LT(shown[0], 255);
    EXPECT_LT(shown[1], shown[0]);
    EXPECT_LT(shown[2], shown[1]);
    EXPECT_EQ(shown[3], shown[2]);  // OnOff 0 is off at any brightness
    EXPECT_GT(shown[3], 0);         // a reflective screen stays faintly readable
    EXPECT_EQ(Framebuffer(), 0xFFFFFFu);
    Set(1, 4);
    EXPECT_EQ(Shown(), 255);

    auto changes = Changes();
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(std::get<bool>(*changes[3].field("on")), false);
    EXPECT_EQ(changes[3].number("level"), 4);
    EXPECT_EQ(std::get<bool>(*changes[4].field("on")), true);
}

TEST_F(BacklightDisplay, ADeviceBootsWithTheBacklightItsRegistrySays) {
    Set(0, 4, nullptr);
    host->shutdown();
    Boot();
    EXPECT_LT(Shown(), 255);
    EXPECT_TRUE(Changes().empty());
}
