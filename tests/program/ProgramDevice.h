#pragma once
#include <windows.h>

#include <string>
#include <vector>

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
    bool bar_shown() {
        HWND window = bar();
        return host().inspect([&](emu::Device& d) {
            auto w = d.windows->window(window);
            return w && d.windows->shown(*w);
        });
    }
    RECT bar_rect() {
        HWND window = bar();
        return host().inspect([&](emu::Device& d) { return d.windows->screen_rect(*d.windows->window(window)); });
    }
    // Field `field` of every event `name`, in order: its text, or its number as text.
    std::vector<std::string> fields(const char* name, const char* field) {
        std::vector<std::string> values;
        for (const auto& event : device().log.events(name)) {
            std::string text = event.text(field);
            values.push_back(text.empty() ? std::to_string(event.number(field)) : text);
        }
        return values;
    }
};

}  // namespace test
