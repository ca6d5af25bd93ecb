// The options of `tesselink` and where the desktop keeps its device.
#include <gtest/gtest.h>

#include <fstream>

#include "frontend/CommandLine.h"
#include "frontend/DeviceFolder.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::optional<emu::CommandLine> parse(std::vector<std::string> args, std::string* error_out = nullptr) {
    std::string error;
    auto line = emu::parse_command_line(args, error);
    if (error_out) *error_out = error;
    return line;
}

TEST(CommandLine, DefaultsOpenTheWindowAtZoomTwo) {
    auto line = parse({});
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->headless);
    EXPECT_EQ(line->zoom, 2);
    EXPECT_FALSE(line->device);
}

TEST(CommandLine, OptionsAndFlagsAreKept) {
    auto line = parse({"--zoom", "4", "--device", "/tmp/d", "--reset-device", "--log", "l.jsonl", "--headless"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->zoom, 4);
    EXPECT_EQ(line->device, fs::path("/tmp/d"));
    EXPECT_TRUE(line->reset_device);
    EXPECT_EQ(line->log, fs::path("l.jsonl"));
    EXPECT_TRUE(line->headless);
}

TEST(CommandLine, BadZoomMissingValueAndUnknownOptionAreRefused) {
    std::string error;
    for (auto zoom : {"0", "5", "2x", "", "-1"}) EXPECT_FALSE(parse({"--zoom", zoom})) << zoom;
    EXPECT_FALSE(parse({"--device"}, &error));
    EXPECT_EQ(error, "--device needs a value");
    EXPECT_FALSE(parse({"--fast"}, &error));
    EXPECT_EQ(error, "unknown option --fast");
}

TEST(CommandLine, TestTapTakesAPointAndAFolderThatMayHoldCommas) {
    auto line = parse({"--test-tap", "-3,317,/tmp/out,put"});
    ASSERT_TRUE(line && line->test_tap);
    EXPECT_EQ(line->test_tap->x, -3);
    EXPECT_EQ(line->test_tap->y, 317);
    EXPECT_EQ(line->test_tap->folder, fs::path("/tmp/out,put"));
    for (auto bad : {"3,4", "3;4;/tmp", "x,4,/tmp", "3,4,"}) EXPECT_FALSE(parse({"--test-tap", bad})) << bad;
}

TEST(DeviceFolder, DefaultFollowsTheXdgDataHomeThenHome) {
    EXPECT_EQ(emu::default_device_folder("/data", "/home/u"), fs::path("/data/tesselink/device"));
    EXPECT_EQ(emu::default_device_folder(nullptr, "/home/u"), fs::path("/home/u/.local/share/tesselink/device"));
    // An empty or relative XDG_DATA_HOME is to be ignored.
    EXPECT_EQ(emu::default_device_folder("", "/home/u"), fs::path("/home/u/.local/share/tesselink/device"));
    EXPECT_EQ(emu::default_device_folder("data", "/home/u"), fs::path("/home/u/.local/share/tesselink/device"));
    EXPECT_FALSE(emu::default_device_folder(nullptr, nullptr));
    EXPECT_FALSE(emu::default_device_folder("", "relative"));
}

TEST(DeviceFolder, ResetEmptiesADeviceFolder) {
    test::TempDir dir;
    fs::create_directories(dir.path() / ".device");
    fs::create_directories(dir.path() / "Windows" / "Start Menu");
    std::ofstream(dir.path() / "Windows" / "tslink.opt") << "MODE=1\n";
    std::string error;
    EXPECT_TRUE(emu::reset_device_folder(dir.path(), error)) << error;
    EXPECT_TRUE(fs::is_directory(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(DeviceFolder, ResetLeavesAFolderThatIsNoDevice) {
    test::TempDir dir;
    std::ofstream(dir.path() / "thesis.tex") << "precious";
    std::string error;
    EXPECT_FALSE(emu::reset_device_folder(dir.path(), error));
    EXPECT_NE(error.find("not a device folder"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir.path() / "thesis.tex"));
}

TEST(DeviceFolder, ResetOfAMissingFolderNeedsNothing) {
    test::TempDir dir;
    std::string error;
    EXPECT_TRUE(emu::reset_device_folder(dir.path() / "none", error));
    EXPECT_FALSE(fs::exists(dir.path() / "none"));
}

}  // namespace
