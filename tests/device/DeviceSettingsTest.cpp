#include <gtest/gtest.h>

#include "device/DeviceSettings.h"
#include "support/TempDir.h"

namespace emu {
namespace {

TEST(DeviceSettings, ReadsEveryKeyInDecimalOrHexAndTheUnknownWords) {
    DeviceSettings settings;
    std::string error;
    ASSERT_TRUE(parse_device_settings("# status\r\nac = off\r\nbattery=80\n\n; memory\nmemory=40\n"
                                      "store_size=16000000\nstore_free=0x4C4B40\noem=Compaq iPAQ H3600 \xC3\xA9\n"
                                      "language=0x0411",
                                      settings, error))
        << error;
    EXPECT_EQ(std::tie(settings.ac_line, settings.battery_percent, settings.memory_load, settings.store_size,
                       settings.store_free, settings.oem_info, settings.language),
              std::make_tuple(AcLine::Offline, 80, 40u, 16000000u, 5000000u, std::wstring(L"Compaq iPAQ H3600 \u00E9"),
                              0x0411));
    ASSERT_TRUE(parse_device_settings("ac=unknown\nbattery=unknown\n", settings, error)) << error;
    EXPECT_EQ(std::tie(settings.ac_line, settings.battery_percent),
              std::make_tuple(AcLine::Unknown, BATTERY_PERCENTAGE_UNKNOWN));
    EXPECT_TRUE(load_device_settings(test::TempDir().path(), settings, error)) << "a missing file keeps the defaults";
    // What the desktop's panel saves reads back the same, every field of it.
    settings.memory_load = 7;
    settings.store_size = 123;
    settings.store_free = 45;
    settings.oem_info = L"Caf\u00E9 = 1";
    DeviceSettings read;
    ASSERT_TRUE(parse_device_settings(format_device_settings(settings), read, error)) << error;
    EXPECT_EQ(format_device_settings(read), format_device_settings(settings));
}

TEST(DeviceSettings, BadLineIsNamedAndChangesNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"battery=50\nbattery=101\n", "line 2: battery"},
        {"memory=-1", "line 1: memory"},
        {"ac=maybe", "line 1: ac"},
        {"store_size=4294967296", "line 1: store_size"},
        {"language=0x10000", "line 1: language"},
        {"\nbattery 50", "line 2: expected key=value"},
        {"batery=50", "line 1: unknown setting 'batery'"},
        {"memory=40x", "line 1: memory"},
        {"store_size=100\nstore_free=101", "store_free is larger than store_size"},
    };
    for (auto [text, message] : cases) {
        DeviceSettings settings;
        std::string error;
        EXPECT_FALSE(parse_device_settings(text, settings, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << " -> " << error;
        EXPECT_EQ(settings.battery_percent, DeviceSettings().battery_percent) << text;
        EXPECT_EQ(settings.store_size, DeviceSettings().store_size) << text;
    }
}

}  // namespace
}  // namespace emu
