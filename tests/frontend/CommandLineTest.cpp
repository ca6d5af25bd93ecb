// The options of `tesselink` and where the desktop keeps its device: options that name the
// device folder never reach a folder they must not touch.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "frontend/CommandLine.h"
#include "frontend/DeviceFolder.h"
#include "host/DeviceHost.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Every option is kept; a bad zoom, an unknown option and a missing or empty value are
// refused (tesselink then exits with status 2), so that no option names a folder by mistake.
TEST(CommandLine, OptionsAndFlagsAreKeptAndBadOnesRefused) {
    std::string error;
    auto line = emu::parse_command_line({}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(std::tie(line->headless, line->zoom, line->device), std::make_tuple(false, 2, std::optional<fs::path>()));
    line = emu::parse_command_line({"--zoom", "4", "--device", "/tmp/d", "--reset-device", "--log", "l.jsonl",
                                    "--headless", "--test-input", "/tmp/in put"},
                                   error);
    ASSERT_TRUE(line);
    EXPECT_EQ(std::tie(line->zoom, line->device, line->reset_device, line->log, line->headless, line->test_input),
              std::make_tuple(4, std::optional<fs::path>("/tmp/d"), true, std::optional<fs::path>("l.jsonl"), true,
                              std::optional<fs::path>("/tmp/in put")));

    EXPECT_FALSE(line->gremlins.requested);
    line = emu::parse_command_line({"--gremlins", "5", "--seed", "42", "--events", "2000"}, error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->gremlins.requested);
    EXPECT_EQ(std::tuple(line->gremlins.count, line->gremlins.seed, line->gremlins.events), std::tuple(5, 42u, 2000));
    for (auto [option, value] : {std::pair{"--gremlins", "0"}, {"--events", "-3"}, {"--seed", "x"}})
        EXPECT_FALSE(emu::parse_command_line({option, value}, error)) << option << " " << value;

    for (auto zoom : {"0", "5", "2x", "", "-1"}) EXPECT_FALSE(emu::parse_command_line({"--zoom", zoom}, error)) << zoom;
    std::vector<std::pair<std::vector<std::string>, std::string>> refused{{{"--device"}, "--device needs a value"},
                                                                          {{"--fast"}, "unknown option --fast"}};
    for (std::string option : {"--device", "--script", "--screenshot", "--log"})
        refused.push_back({{option, ""}, option + " needs a value, not an empty one"});
    for (const auto& [args, message] : refused) {
        EXPECT_FALSE(emu::parse_command_line(args, error)) << args[0];
        EXPECT_EQ(error, message);
    }
}

// XDG_DATA_HOME when absolute, else under HOME; an empty or relative one is ignored.
TEST(DeviceFolder, DefaultFollowsTheXdgDataHomeThenHome) {
    const fs::path under_home = "/home/u/.local/share/tesselink/device";
    EXPECT_EQ(emu::default_device_folder("/data", "/home/u"), fs::path("/data/tesselink/device"));
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "data"})
        EXPECT_EQ(emu::default_device_folder(xdg, "/home/u"), under_home);
    EXPECT_FALSE(emu::default_device_folder(nullptr, nullptr));
    EXPECT_FALSE(emu::default_device_folder("", "relative"));
}

// A reset empties a device folder, needs nothing where there is none, and leaves a folder
// that is no device, or a device another emulator runs on, as it is.
TEST(DeviceFolder, ResetEmptiesOnlyADeviceFolderNoEmulatorRunsOn) {
    test::TempDir device, other;
    fs::create_directories(device.path() / ".device");
    fs::create_directories(device.path() / "Windows" / "Start Menu");
    std::ofstream(device.path() / "Windows" / "tslink.opt") << "MODE=1\n";
    std::ofstream(other.path() / "thesis.tex") << "precious";
    std::string error;
    EXPECT_TRUE(emu::reset_device_folder(device.path(), error)) << error;
    EXPECT_TRUE(fs::is_directory(device.path()) && fs::is_empty(device.path()));
    EXPECT_TRUE(emu::reset_device_folder(device.path() / "none", error));
    EXPECT_FALSE(fs::exists(device.path() / "none"));
    EXPECT_FALSE(emu::reset_device_folder(other.path(), error));
    EXPECT_NE(error.find("not a device folder"), std::string::npos);
    EXPECT_TRUE(fs::exists(other.path() / "thesis.tex"));

    auto running = emu::DeviceHost::boot({device.path()}, error);
    ASSERT_TRUE(running) << error;
    EXPECT_FALSE(emu::reset_device_folder(device.path(), error));
    EXPECT_NE(error.find("is in use by another emulator"), std::string::npos) << error;
    EXPECT_TRUE(fs::exists(device.path() / ".device/registry.reg"));
}

}  // namespace
