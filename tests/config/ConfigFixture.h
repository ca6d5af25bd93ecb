// The control host (a topmost test bar on a booted device) with what the configuration's
// tests add: the device threads that still run, the check box icons, and the shell's icon
// look-ups.
#pragma once
#include "support/ControlHost.h"

#include "ShellLookups.h"
#include "support/ProgramItems.h"

namespace config_test {

const RECT kScreen = {0, 0, 240, 320};

class ConfigTest : public test::ControlHost {
protected:
    void SetUp() override {
        ControlHost::SetUp();
        ResetShellLookups();
    }

    // Device threads that have not ended: the test program's UI thread, and a repeat
    // worker while one runs.
    int LiveThreads() {
        return device.host().inspect([](emu::Device& d) {
            int live = 0;
            for (const auto& thread : d.scheduler.threads())
                if (thread->state != emu::DeviceThread::State::Finished) ++live;
            return live;
        });
    }
    // Check box icon `number` (empty or ticked) as drawn on white.
    std::vector<COLORREF> BoxIcon(WORD number) { return Icon(number, 14, 12, RGB(255, 255, 255)); }
};

}  // namespace config_test
