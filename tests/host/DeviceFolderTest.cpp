// Which folders a device may run on: one emulator at a time, only a device folder or a new
// or empty one, and a read-only one with a word to the user.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<emu::DeviceHost> boot(const fs::path& folder, std::string& error) {
    return emu::DeviceHost::boot(emu::BootOptions{folder}, error);
}

int WINAPI SettingProgram(HINSTANCE, HINSTANCE, LPWSTR, int) {
    HKEY key;
    DWORD one = 1;
    RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Test", 0, nullptr, 0, 0, nullptr, &key, nullptr);
    RegSetValueEx(key, L"Set", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
    return 0;
}

TEST(DeviceFolder, OneEmulatorAtATimeAndACrashedOneDoesNotBlock) {
    test::TempDir dir;
    const auto folder = dir.path() / "device";
    // A run that dies holding the device leaves nothing that stops the next.
    const pid_t crashed = fork();
    if (crashed == 0) {
        std::string error;
        auto host = boot(folder, error);
        kill(getpid(), host ? SIGKILL : SIGTERM);
    }
    int status = 0;
    waitpid(crashed, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the first run did not boot";

    std::string error;
    auto first = boot(folder, error);
    ASSERT_TRUE(first) << error;
    const auto registry = test::read_file(folder / ".device/registry.reg");
    EXPECT_FALSE(boot(folder, error));
    EXPECT_NE(error.find("the device folder " + folder.string() + " is in use by another emulator (process " +
                         std::to_string(getpid())),
              std::string::npos)
        << error;
    EXPECT_EQ(test::read_file(folder / ".device/registry.reg"), registry);
    first.reset();
    EXPECT_TRUE(boot(folder, error)) << error;
}

TEST(DeviceFolder, OnlyADeviceOrANewOrEmptyFolderBecomesOne) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "notes");
    std::ofstream(dir.path() / "notes/notes.txt") << "mine";
    fs::create_directories(dir.path() / "empty");
    std::string error;
    EXPECT_FALSE(boot(dir.path() / "notes", error));
    EXPECT_EQ(error, (dir.path() / "notes").string() +
                         " is not a device folder (it holds no .device folder); give a new or empty folder for a "
                         "new device, or the folder of an existing one");
    EXPECT_FALSE(fs::exists(dir.path() / "notes/.device"));
    EXPECT_EQ(test::read_file(dir.path() / "notes/notes.txt"), "mine");
    for (auto fresh : {"empty", "new"}) EXPECT_TRUE(boot(dir.path() / fresh, error)) << fresh << ": " << error;
    EXPECT_TRUE(boot(dir.path() / "new", error)) << "an existing device: " << error;
}

TEST(DeviceFolder, AReadOnlyDeviceIsReportedAndRunsOn) {
    test::TempDir dir;
    const auto folder = dir.path() / "device";
    {
        std::string error;
        ASSERT_TRUE(boot(folder, error)) << error;
    }
    // Run by a user who may read the folder but not write it.
    const auto log = fs::temp_directory_path() / ("tesselink-read-only-" + std::to_string(getpid()) + ".jsonl");
    const auto answer = test::run_unprivileged([&] {
        emu::HeadlessOptions options;
        options.device = folder;
        options.screenshot = "/dev/null";
        options.log = log;
        std::ostringstream out, err;
        const int status = emu::run_headless(
            options, [](emu::DeviceHost& host) { host.install(L"\\Windows\\set.exe", &SettingProgram); },
            L"\\Windows\\set.exe", out, err);
        const auto events = test::read_file(log);
        fs::remove(log);
        return std::to_string(status) + "\n" + err.str() +
               (events.find("\"event\":\"device-read-only\"") != std::string::npos ? "reported\n" : "") +
               (events.find("\"event\":\"save-failed\"") != std::string::npos ? "a save failed\n" : "");
    });
    EXPECT_EQ(answer, "0\ntesselink: the device folder " + folder.string() +
                          " is read-only: the device runs, but nothing it changes is kept\nreported\na save failed\n");
}

}  // namespace
