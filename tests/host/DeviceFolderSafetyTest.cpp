// What a run writes stays inside the device folder and is complete: no link in the place
// of a file the program writes or of a temporary file is followed, a save that cannot be
// written whole keeps the old file, and a kept file that cannot be read stops the boot
// instead of being replaced.
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <windows.h>

#include "kernel/Clock.h"
#include "kernel/EventLog.h"
#include "kernel/KeptFile.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/Unprivileged.h"

namespace {

namespace fs = std::filesystem;

// Every entry of a folder with its kind and, for a file, its bytes.
std::string snapshot(const fs::path& folder) {
    std::string text;
    for (const auto& entry : fs::directory_iterator(folder)) {
        text += entry.path().filename().string();
        if (entry.is_symlink()) text += " -> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory()) text += "/";
        else text += ": " + test::read_file(entry.path());
        text += "\n";
    }
    return text;
}

TEST(DeviceFolderSafety, AProgramNeverWritesThroughALinkAndTheLogSaysWhy) {
    const std::pair<const char*, std::function<bool()>> writes[] = {
        {"options.new", [] {
             FILE* file = _wfopen(L"\\Windows\\options.new", L"w");
             if (file) fclose(file);
             return file != nullptr;
         }},
        {"list.new", [] {
             HANDLE file = CreateFile(L"\\Windows\\list.new", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
             if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
             return file != INVALID_HANDLE_VALUE;
         }},
    };
    test::TempDir outside;
    test::TestDevice device;
    for (bool target_exists : {false, true}) {
        for (const auto& [name, write] : writes) {
            SCOPED_TRACE(std::string(name) + (target_exists ? ", a link to a host file" : ", a dangling link"));
            const auto target = outside.path() / (name + std::string(target_exists ? ".e" : ".m"));
            if (target_exists) std::ofstream(target) << "precious";
            fs::create_symlink(target, device.folder() / "Windows" / name);
            bool written = true;
            device.run([&] { written = write(); });
            EXPECT_FALSE(written);
            ASSERT_EQ(fs::exists(target), target_exists);
            EXPECT_EQ(test::read_file(target), target_exists ? "precious" : "");
            auto refusals = device.device().log.events("file-refused");
            ASSERT_FALSE(refusals.empty());
            EXPECT_EQ(refusals.back().text("reason"), target_exists ? "a symbolic link leading outside the device"
                                                                    : "a symbolic link whose target does not exist");
            fs::remove(device.folder() / "Windows" / name);
        }
    }
}

// The temporary file beside a kept file takes a name nothing holds, not even a link: one
// planted at the name the next save would use is left alone.
TEST(DeviceFolderSafety, AKeptFilesTemporaryIsANewFileOfItsOwn) {
    test::TempDir dir;
    const emu::Clock clock(emu::Clock::Mode::Virtual);
    emu::EventLog log(clock);
    const auto kept = dir.path() / "kept.txt";
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    inotify_add_watch(watch, dir.path().c_str(), IN_CREATE);
    ASSERT_TRUE(emu::save_kept_file(kept, "first\n", log));
    alignas(inotify_event) char events[4096];
    ASSERT_GT(::read(watch, events, sizeof events), 0);
    ::close(watch);
    const std::string first_temporary = reinterpret_cast<inotify_event*>(events)->name;
    const auto counter = first_temporary.substr(first_temporary.rfind('-') + 1);
    const auto next = first_temporary.substr(0, first_temporary.rfind('-') + 1) + std::to_string(std::stoi(counter) + 1);
    std::ofstream(dir.path() / "precious") << "precious";
    fs::create_symlink(dir.path() / "precious", dir.path() / next);

    EXPECT_TRUE(emu::save_kept_file(kept, "second\n", log));
    EXPECT_EQ(test::read_file(dir.path() / "precious"), "precious");
    EXPECT_FALSE(fs::is_symlink(kept));
    EXPECT_EQ(test::read_file(kept), "second\n");
}

TEST(DeviceFolderSafety, ASaveThatCannotBeWrittenWholeKeepsTheOldFile) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails as on a full disk
    test::TestDevice device;
    const auto kept = device.folder() / ".device/registry.reg";
    std::ofstream(kept) << "old\n";
    rlimit unlimited, one_byte;
    getrlimit(RLIMIT_FSIZE, &unlimited);
    one_byte = {1, unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, &one_byte);
    LONG result = ERROR_SUCCESS;
    device.run([&] {
        HKEY key;
        DWORD one = 1;
        RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Safety", 0, nullptr, 0, 0, nullptr, &key, nullptr);
        result = RegSetValueEx(key, L"Saved", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4);
    });
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_NE(result, ERROR_SUCCESS);
    EXPECT_EQ(test::read_file(kept), "old\n");
    auto failures = device.device().log.events("save-failed");
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures.back().text("file"), kept.string());
    EXPECT_EQ(failures.back().text("reason"), "File too large");
    for (const auto& entry : fs::directory_iterator(device.folder() / ".device"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(DeviceFolderSafety, AKeptFileThatCannotBeReadStopsTheBootAndIsLeftAlone) {
    struct Problem {
        const char* what;
        std::function<void(const fs::path&)> make;
        bool needs_permissions;  // only a user file permissions apply to sees the problem
    };
    const Problem problems[] = {
        {"a dangling link", [](const fs::path& file) { fs::create_symlink("/nonexistent/elsewhere", file); }, false},
        {"a folder", [](const fs::path& file) { fs::create_directory(file); }, false},
        {"a file that may not be read", [](const fs::path& file) {
             std::ofstream(file) << "secret\n";
             fs::permissions(file, fs::perms::none);
         }, true},
    };
    for (const char* name : {"registry.reg", "settings.ini", "attributes.txt", "notifications.txt"}) {
        for (const auto& problem : problems) {
            SCOPED_TRACE(std::string(name) + " is " + problem.what);
            test::TempDir dir;
            const auto folder = dir.path() / "device";
            std::string error;
            ASSERT_TRUE(emu::DeviceHost::boot({folder}, error)) << error;
            const auto file = folder / ".device" / name;
            fs::remove(file);
            problem.make(file);
            const auto before = snapshot(folder / ".device");
            auto boot = [&] {
                std::string why;
                return emu::DeviceHost::boot({folder}, why) ? std::string("booted") : why;
            };
            const auto answer = problem.needs_permissions ? test::run_unprivileged(boot) : boot();
            EXPECT_NE(answer.find("cannot read " + file.string() + ": "), std::string::npos) << answer;
            EXPECT_EQ(snapshot(folder / ".device"), before);
        }
    }
}

}  // namespace
