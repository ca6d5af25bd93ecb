#pragma once
#include <windows.h>

#include "resources/Resources.h"
#include "support/TestDevice.h"
#include "window/WindowManager.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace test {

// A test device with the program installed where the default image's shortcut expects it.
class ProgramDevice : public TestDevice {
public:
    static constexpr const wchar_t* kPath = L"\\Windows\\Tesselink.exe";

    ProgramDevice() { host().install(kPath, &WinMain, tesselink_resources()); }

    bool start() { return host().start(kPath); }
    HWND bar() {
        return host().inspect([](emu::Device& d) {
            auto w = d.windows->find_top_level(L"Tesselink", L"Tesselink");
            return w ? w->handle : nullptr;
        });
    }
    std::size_t count(const char* event) { return device().log.events(event).size(); }
};

}  // namespace test
