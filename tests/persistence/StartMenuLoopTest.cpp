// The full Start Menu scan ends however the folders are linked: links back to the Start
// Menu are loops it never enters, and once its list is full it enters no further folder,
// so links that double the folders at each level cost nothing beyond that point.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <windows.h>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/StartMenuScan.h"
#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::wstring kStartMenu = L"\\Windows\\Start Menu\\";

// "<prefix><n>", built by appending: GCC 12 at -O3 reports a false -Wrestrict overlap for
// `"L" + std::to_string(n)`.
std::string numbered(const char* prefix, int n) {
    std::string name = prefix;
    name += std::to_string(n);
    return name;
}

TEST(StartMenuLoops, TheFullScanEnds) {
    struct Case {
        const char* what;
        int shortcuts_before;  // in folder "A", listed before the links
        bool doubling;         // whether L0 to L39 hold two links each to the next
        int expected;
    };
    for (const Case& c : {Case{"two links to the Start Menu itself", 3, false, 4},
                          Case{"links doubling at each of 40 levels, after a full list", 300, true,
                               kMaxApplicationItems}}) {
        SCOPED_TRACE(c.what);
        test::TempDir image;
        emu::Device device{image.path(), emu::Clock::Mode::Virtual};
        emu::DeviceBinding binding{device};
        device.files = std::make_shared<emu::FileSystem>(device);
        const auto menu = image.path() / "Windows/Start Menu";
        fs::create_directories(menu / "A");
        for (int i = 0; i < c.shortcuts_before; ++i) std::ofstream(menu / "A" / (numbered("P", i) + ".lnk"));
        fs::create_directory_symlink(".", menu / "S1");
        fs::create_directory_symlink(".", menu / "S2");
        // L0 to L39, each with two links to the next: 2^40 paths to the last.
        for (int level = 0; c.doubling && level < 40; ++level) {
            const auto folder = menu / numbered("L", level);
            fs::create_directories(folder);
            for (auto link : {"a", "b"}) fs::create_directory_symlink(numbered("../L", level + 1), folder / link);
        }
        fs::create_directories(menu / "L40");
        std::ofstream(menu / "L40/Deep.lnk");

        auto list = std::make_unique<ApplicationItem[]>(kMaxApplicationItems);
        appState = ApplicationState{};
        appState.startMenu = list.get();
        FullScan(kStartMenu.c_str());
        EXPECT_EQ(appState.startMenuCount, c.expected);
        EXPECT_EQ(appState.startMenu[0].path, kStartMenu + L"A\\P0.lnk");
        appState = ApplicationState{};
    }
}

}  // namespace
