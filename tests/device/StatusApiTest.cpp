#include <gtest/gtest.h>

#include <fstream>
#include <windows.h>
#include <projects.h>

#include "device/DeviceStatus.h"
#include "support/BareDevice.h"

namespace emu {
namespace {

// A device whose status starts from these settings.
void with_settings(test::BareDevice& bare, const char* text) {
    std::filesystem::create_directories(bare.image.path() / ".device");
    std::ofstream(bare.image.path() / ".device" / "settings.ini") << text;
    bare.device.status = std::make_shared<DeviceStatus>(bare.device);
}

class StatusApi : public ::testing::Test, protected test::BareDevice {
protected:
    StatusApi() {
        with_settings(*this, "ac=off\nbattery=80\nmemory=40\nstore_size=16000000\nstore_free=5000000\n"
                             "oem=Compaq iPAQ H3600\nlanguage=0x0407\n");
    }

    SYSTEM_POWER_STATUS_EX power() {
        SYSTEM_POWER_STATUS_EX status;
        EXPECT_TRUE(GetSystemPowerStatusEx(&status, TRUE));
        return status;
    }
};

// The calls report the image's settings, then what the host changes, which is logged;
// impossible values are refused and change nothing.
TEST_F(StatusApi, ReportsTheImageSettingsAndTheHostsChanges) {
    EXPECT_TRUE(device.status->settings_error().empty());
    EXPECT_EQ(power().ACLineStatus, AC_LINE_OFFLINE);
    EXPECT_EQ(power().BatteryLifePercent, 80);
    for (bool accepted : {device.status->set_battery(101), device.status->set_battery(-1),
                          device.status->set_memory_load(101), device.status->set_store(100, 101)})
        EXPECT_FALSE(accepted);
    EXPECT_EQ(power().BatteryLifePercent, 80);
    EXPECT_TRUE(device.log.events("device-status").empty());
    for (bool changed : {false, true}) {
        MEMORYSTATUS memory;
        GlobalMemoryStatus(&memory);
        EXPECT_EQ(memory.dwLength, sizeof memory);
        EXPECT_EQ(memory.dwMemoryLoad, changed ? 75u : 40u);
        EXPECT_EQ(memory.dwTotalPhys - memory.dwAvailPhys, std::uint64_t{memory.dwTotalPhys} * memory.dwMemoryLoad / 100);
        STORE_INFORMATION store;
        ASSERT_TRUE(GetStoreInformation(&store));
        EXPECT_EQ(std::tie(store.dwStoreSize, store.dwFreeSize),
                  changed ? std::make_tuple(1000u, 250u) : std::make_tuple(16000000u, 5000000u));
        EXPECT_EQ(GetSystemDefaultLangID(), changed ? 0x0411 : 0x0407);
        EXPECT_EQ(GetUserDefaultLangID(), GetSystemDefaultLangID());
        EXPECT_TRUE(device.status->set_memory_load(75));
        EXPECT_TRUE(device.status->set_store(1000, 250));
        device.status->set_language(0x0411);
    }
    const auto events = device.log.events("device-status");
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].number("memory"), 75);
    EXPECT_EQ(events[1].number("store_free"), 250);
}

TEST_F(StatusApi, BatteryFlagsFollowChargeAndMains) {
    const struct {
        int percent;
        AcLine line;
        BYTE flag;
    } cases[] = {
        {67, AcLine::Offline, BATTERY_FLAG_HIGH},  {66, AcLine::Offline, 0},
        {32, AcLine::Offline, BATTERY_FLAG_LOW},   {4, AcLine::Offline, BATTERY_FLAG_CRITICAL},
        {50, AcLine::Online, BATTERY_FLAG_CHARGING}, {100, AcLine::Online, BATTERY_FLAG_HIGH},
        {BATTERY_PERCENTAGE_UNKNOWN, AcLine::Unknown, BATTERY_FLAG_UNKNOWN},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(device.status->set_battery(c.percent));
        device.status->set_ac_line(c.line);
        const auto status = power();
        EXPECT_EQ(status.BatteryFlag, c.flag) << c.percent;
        EXPECT_EQ(status.BatteryLifePercent, c.percent);
        EXPECT_EQ(status.ACLineStatus, static_cast<BYTE>(c.line));
    }
}

// The OEM text is cut to the buffer, whose size is in bytes, and always terminated.
TEST_F(StatusApi, SystemParameters) {
    constexpr UINT w = sizeof(WCHAR);
    for (auto [bytes, expected] : {std::pair{40 * w, L"Compaq iPAQ H3600"}, {18 * w, L"Compaq iPAQ H3600"},
                                   {17 * w, L"Compaq iPAQ H360"}, {4 * w + 1, L"Com"}, {w, L""}}) {
        WCHAR buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), L'#');
        EXPECT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, bytes, buffer, 0));
        EXPECT_STREQ(buffer, expected);
        EXPECT_EQ(buffer[bytes / w], L'#') << "wrote past " << bytes << " bytes";
    }
    WCHAR buffer[4] = {L'#', L'#', L'#', L'#'};
    SetLastError(0);
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETOEMINFO, w - 1, buffer, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETOEMINFO, 256, nullptr, 0));

    WCHAR platform[32];
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETPLATFORMTYPE, sizeof platform, platform, 0));
    EXPECT_STREQ(platform, L"PocketPC");
    RECT area;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area.top, 26);
    EXPECT_EQ(area.bottom, 320);
    int unused = 0;
    EXPECT_FALSE(SystemParametersInfoW(12345, 0, &unused, 0));
    ASSERT_EQ(device.log.events("fixme").size(), 1u);
}

// Without a device the calls fail instead of inventing a status; a bad settings file is
// reported and the defaults stand.
TEST(StatusApiWithoutSettings, CallsFailAndBadFilesAreReported) {
    SYSTEM_POWER_STATUS_EX power;
    EXPECT_FALSE(GetSystemPowerStatusEx(&power, TRUE));
    STORE_INFORMATION store;
    EXPECT_FALSE(GetStoreInformation(&store));
    MEMORYSTATUS memory;
    memory.dwMemoryLoad = 99;
    GlobalMemoryStatus(&memory);
    EXPECT_EQ(memory.dwMemoryLoad, 0u);
    EXPECT_EQ(memory.dwLength, sizeof memory);

    test::BareDevice bad;
    with_settings(bad, "battery=80\nbattery=abc\n");
    EXPECT_NE(bad.device.status->settings_error().find("line 2"), std::string::npos);
    EXPECT_EQ(bad.device.status->current().battery_percent, DeviceSettings().battery_percent);
}

}  // namespace
}  // namespace emu
