// Options that name the device folder never reach a folder they must not touch: an empty
// value is refused as a missing one is (tesselink then exits with status 2), and a device
// another emulator runs on is not reset under it.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/CommandLine.h"
#include "frontend/DeviceFolder.h"
#include "host/DeviceHost.h"
#include "support/TempDir.h"

TEST(DeviceOptions, AnEmptyValueIsRefused) {
    for (const char* option : {"--device", "--script", "--screenshot", "--log"}) {
        std::string error;
        EXPECT_FALSE(emu::parse_command_line({option, ""}, error)) << option;
        EXPECT_EQ(error, std::string(option) + " needs a value, not an empty one");
    }
}

TEST(DeviceOptions, ADeviceInUseIsNotReset) {
    test::TempDir dir;
    std::string error;
    auto running = emu::DeviceHost::boot({dir.path()}, error);
    ASSERT_TRUE(running) << error;
    EXPECT_FALSE(emu::reset_device_folder(dir.path(), error));
    EXPECT_NE(error.find("is in use by another emulator"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::exists(dir.path() / ".device/registry.reg"));
    running.reset();
    EXPECT_TRUE(emu::reset_device_folder(dir.path(), error)) << error;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
