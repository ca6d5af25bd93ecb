// Any list file gives at most 256 items whose paths fit MAX_PATH, and the list the writer
// then writes reads back as the same list.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzDevice.h"
#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/ListFile.h"

namespace {

std::vector<std::wstring> read_paths() {
    static ApplicationItem* list = new ApplicationItem[kMaxApplicationItems];
    static WCHAR directory[] = L"\\Windows\\Start Menu\\";
    for (int i = 0; i < kMaxApplicationItems; ++i) list[i] = ApplicationItem{};
    appState.chosen = list;
    appState.chosenCount = 0;
    appState.startMenuDirectory = directory;
    ReadList();
    std::vector<std::wstring> paths;
    for (int i = 0; i < appState.chosenCount; ++i) paths.push_back(list[i].path);
    return paths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDevice::instance().put("Windows/tslink.lst", data, size);
    auto paths = read_paths();
    if (paths.empty() || paths.size() > static_cast<std::size_t>(kMaxApplicationItems)) __builtin_trap();
    for (const auto& path : paths)
        if (path.size() >= MAX_PATH) __builtin_trap();
    WriteList();
    if (read_paths() != paths) __builtin_trap();
    return 0;
}
