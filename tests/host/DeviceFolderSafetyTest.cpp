// What a run writes stays inside the device folder and is complete: no link in a temporary
// file's place is followed, a save that cannot be written whole keeps the old file, and a
// kept file that cannot be read stops the boot instead of being replaced.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <windows.h>
#include <notify.h>

#include "support/ReadFile.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/Unprivileged.h"

namespace {

namespace fs = std::filesystem;

// A file a running device writes: a program's own through the file API (refused when a
// link stands in its place), or one the emulator keeps (saved, never through the link).
struct Save {
    const char* what;
    const char* fixed_temporary;  // the temporary name such a save once used
    const char* kept;             // the kept file, "" for the program's files
    const char* saved_text;       // a line the kept file holds after the save
    std::function<bool()> run;    // on the device; whether the API reported success
};

const std::vector<Save>& saves() {
    static const std::vector<Save> all{
        {"the program's options through the C library", "Windows/tslink.opt.new", "", "", [] {
             FILE* file = _wfopen(L"\\Windows\\tslink.opt.new", L"w");
             if (file) fclose(file);
             return file != nullptr;
         }},
        {"the program's list through CreateFile", "Windows/tslink.lst.new", "", "", [] {
             HANDLE file = CreateFile(L"\\Windows\\tslink.lst.new", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
             if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
             return file != INVALID_HANDLE_VALUE;
         }},
        {"the registry", ".device/registry.reg.tmp", ".device/registry.reg", "\"Saved\"=dword:00000001", [] {
             HKEY key;
             DWORD one = 1;
             RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Safety", 0, nullptr, 0, 0, nullptr, &key, nullptr);
             return RegSetValueEx(key, L"Saved", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4) == ERROR_SUCCESS;
         }},
        {"the attributes", ".device/attributes.txt.tmp", ".device/attributes.txt", "00000002 \\My Documents",
         [] { return SetFileAttributes(L"\\My Documents", FILE_ATTRIBUTE_HIDDEN) != FALSE; }},
        {"the wake-up registrations", ".device/notifications.txt.tmp", ".device/notifications.txt",
         "11 \\Windows\\safety.exe", [] {
             WCHAR app[] = L"\\Windows\\safety.exe";
             return CeRunAppAtEvent(app, NOTIFICATION_EVENT_WAKEUP) != FALSE;
         }},
    };
    return all;
}

bool run_save(test::TestDevice& device, const Save& save) {
    bool reported = false;
    device.run([&] { reported = save.run(); });
    return reported;
}

bool holds(const fs::path& file, const std::string& line) {
    return test::read_file(file).find(line) != std::string::npos;
}

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

TEST(DeviceFolderSafety, LinksInATemporaryFilesPlaceAreNeverFollowed) {
    test::TempDir outside;
    for (bool target_exists : {false, true}) {
        test::TestDevice device;
        int n = 0;
        for (const auto& save : saves()) {
            SCOPED_TRACE(std::string(save.what) + (target_exists ? ", a link to a host file" : ", a dangling link"));
            const auto target = outside.path() / ("target" + std::to_string(n++) + (target_exists ? "e" : "m"));
            if (target_exists) std::ofstream(target) << "precious";
            fs::create_symlink(target, device.folder() / save.fixed_temporary);
            const bool reported = run_save(device, save);
            ASSERT_EQ(fs::exists(target), target_exists);
            EXPECT_EQ(test::read_file(target), target_exists ? "precious" : "");
            EXPECT_EQ(reported, *save.kept != 0);
            if (*save.kept) {
                EXPECT_TRUE(holds(device.folder() / save.kept, save.saved_text));
                continue;
            }
            // The program cannot tell why its file went unwritten; the log does.
            auto refusals = device.device().log.events("file-refused");
            ASSERT_FALSE(refusals.empty());
            EXPECT_EQ(refusals.back().text("reason"), target_exists ? "a symbolic link leading outside the device"
                                                                    : "a symbolic link whose target does not exist");
        }
    }
}

TEST(DeviceFolderSafety, ASaveThatCannotBeWrittenWholeKeepsTheOldFile) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails as on a full disk
    test::TestDevice device;
    for (const auto& save : saves()) {
        if (!*save.kept) continue;
        SCOPED_TRACE(save.what);
        const auto kept = device.folder() / save.kept;
        std::ofstream(kept) << "old\n";
        rlimit unlimited, one_byte;
        getrlimit(RLIMIT_FSIZE, &unlimited);
        one_byte = {1, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &one_byte);
        const bool reported = run_save(device, save);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_FALSE(reported);
        EXPECT_EQ(test::read_file(kept), "old\n");
        auto failures = device.device().log.events("save-failed");
        ASSERT_FALSE(failures.empty());
        EXPECT_EQ(failures.back().text("file"), kept.string());
        EXPECT_EQ(failures.back().text("reason"), "File too large");
        for (const auto& entry : fs::directory_iterator(device.folder() / ".device"))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
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
