// The full Start Menu scan the configuration dialog makes, on a device with only a registry
// and a file system over a temporary image: 256 shortcuts in 16 folders.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/StartMenuScan.h"
#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/TempDir.h"

namespace {

WCHAR kStartMenu[] = L"\\Windows\\Start Menu\\";

void BM_FullScanOf256ShortcutsIn16Folders(benchmark::State& state) {
    test::TempDir folder;
    emu::Device device{folder.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding binding{device};
    device.registry = std::make_shared<emu::Registry>(device);
    device.files = std::make_shared<emu::FileSystem>(device);
    for (int f = 0; f < 16; ++f) {
        auto sub = folder.path() / "Windows/Start Menu" / ("Folder " + std::to_string(f));
        std::filesystem::create_directories(sub);
        for (int s = 0; s < 16; ++s)
            std::ofstream(sub / ("Program " + std::to_string(s) + ".lnk")) << "20#\"\\Windows\\notes.exe\"";
    }
    // The lists as the bar allocates them.
    std::unique_ptr<ApplicationItem[]> chosen(new ApplicationItem[kMaxApplicationItems]),
        startMenu(new ApplicationItem[kMaxApplicationItems]);
    appState.chosen = chosen.get();
    appState.startMenu = startMenu.get();
    for (auto _ : state) {
        appState.startMenuCount = 0;
        FullScan(kStartMenu);
    }
    if (appState.startMenuCount != kMaxApplicationItems) state.SkipWithError("the scan missed shortcuts");
    appState = ApplicationState{};
}
BENCHMARK(BM_FullScanOf256ShortcutsIn16Folders)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
