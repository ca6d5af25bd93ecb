#pragma once
#include "kernel/Device.h"
#include "support/TempDir.h"

namespace test {

// A device on a fresh temporary image with a virtual clock and none of its subsystems,
// bound to the thread that made it: a test adds the subsystems it needs.
struct BareDevice {
    TempDir image;
    emu::Device device{image.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding binding{device};
};

}  // namespace test
