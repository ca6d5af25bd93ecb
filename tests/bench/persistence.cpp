// The Start Menu scan and the options and list files, on a device with only a registry
// and a file system over a temporary image.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/ListFile.h"
#include "apps/OptionsFile.h"
#include "apps/StartMenuScan.h"
#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/TempDir.h"

namespace {

WCHAR kStartMenu[] = L"\\Windows\\Start Menu\\";

// A Start Menu of `folders` folders holding `per_folder` shortcuts each, and the program's
// lists allocated as the bar allocates them.
class PersistenceBench {
public:
    PersistenceBench(int folders, int per_folder) {
        device_.registry = std::make_shared<emu::Registry>(device_);
        device_.files = std::make_shared<emu::FileSystem>(device_);
        for (int f = 0; f < folders; ++f) {
            auto folder = folder_.path() / "Windows/Start Menu" / ("Folder " + std::to_string(f));
            std::filesystem::create_directories(folder);
            for (int s = 0; s < per_folder; ++s)
                std::ofstream(folder / ("Program " + std::to_string(s) + ".lnk")) << "20#\"\\Windows\\notes.exe\"";
        }
        appState.startMenuDirectory = kStartMenu;
        appState.chosen = new ApplicationItem[kMaxApplicationItems];
        appState.startMenu = new ApplicationItem[kMaxApplicationItems];
    }
    ~PersistenceBench() {
        delete[] appState.chosen;
        delete[] appState.startMenu;
        appState.chosen = appState.startMenu = nullptr;
        appState.chosenCount = appState.startMenuCount = 0;
        appState.startMenuDirectory = nullptr;
    }

private:
    test::TempDir folder_;
    emu::Device device_{folder_.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding binding_{device_};
};

void BM_FullScanOf256ShortcutsIn16Folders(benchmark::State& state) {
    PersistenceBench bench(16, 16);
    for (auto _ : state) {
        appState.startMenuCount = 0;
        FullScan(kStartMenu);
    }
    if (appState.startMenuCount != kMaxApplicationItems) state.SkipWithError("the scan missed shortcuts");
}
BENCHMARK(BM_FullScanOf256ShortcutsIn16Folders)->Unit(benchmark::kMillisecond);

// One start-up read and one shutdown write of both files, for a chosen list of
// state.range(0) items.
void BM_OptionsAndListFilesReadAndWritten(benchmark::State& state) {
    PersistenceBench bench(1, static_cast<int>(state.range(0)));
    appState.startMenuCount = 0;
    FullScan(kStartMenu);
    for (int i = 0; i < appState.startMenuCount; ++i) appState.chosen[i] = appState.startMenu[i];
    appState.chosenCount = appState.startMenuCount;
    WriteList();
    for (auto _ : state) {
        ReadOptions();
        appState.chosenCount = 0;
        ReadList();
        WriteOptions();
        WriteList();
    }
    if (appState.chosenCount != state.range(0)) state.SkipWithError("the list lost items");
}
BENCHMARK(BM_OptionsAndListFilesReadAndWritten)->Arg(10)->Arg(256)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
