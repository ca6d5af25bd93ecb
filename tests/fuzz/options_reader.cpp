// Any options file leaves each flag 0 or 1, and what the writer then writes is 26 bytes
// that read back as the same flags.
#include <cstdint>

#include "FuzzDevice.h"
#include "app/ApplicationState.h"
#include "apps/OptionsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& device = FuzzDevice::instance();
    device.put("Windows/tslink.opt", data, size);
    appState = ApplicationState{};
    ReadOptions();
    const ApplicationState read = appState;
    for (int flag : {read.smallMode, read.autoload, read.sound})
        if (flag != 0 && flag != 1) __builtin_trap();
    WriteOptions();
    if (device.size_of("Windows/tslink.opt") != 26) __builtin_trap();
    appState = ApplicationState{};
    ReadOptions();
    if (appState.smallMode != read.smallMode || appState.autoload != read.autoload || appState.sound != read.sound)
        __builtin_trap();
    return 0;
}
