// The pop-up fixture (a full-screen test bar on a booted device) with what the
// configuration's tests add: items naming the device's programs, the device threads that
// still run, and the shell's icon look-ups.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The test framework reads _WIN32_WCE, which <windows.h> defines, so it comes first.
#include "popups/PopupFixture.h"

#include "ShellLookups.h"
#include "apps/ApplicationItem.h"

namespace config_test {

// `count` items on the device's programs, named "Item 0", "Item 1" ..., none selected.
inline std::vector<ApplicationItem> MakeItems(int count) {
    static const wchar_t* const programs[] = {L"calc", L"calendar", L"contacts", L"inbox", L"notes",
                                              L"tasks", L"pword", L"pxl", L"iexplore", L"fexplore"};
    std::vector<ApplicationItem> items(count);
    for (int i = 0; i < count; ++i) {
        items[i].path = std::wstring(L"\\Windows\\") + programs[i % 10] + L".exe";
        items[i].name = L"Item " + std::to_wstring(i);
    }
    return items;
}

class ConfigTest : public popups::PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
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

    std::vector<COLORREF> ScreenArea(int left, int top, int width, int height) {
        return device.screen_area(left, top, width, height);
    }

    // Check box icon `number` (empty or ticked) as drawn on white.
    std::vector<COLORREF> BoxIcon(WORD number) {
        return Rendered(14, 12, RGB(255, 255, 255), [&](HDC dc) {
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        });
    }

    // Invalidates a window and has it paint at once.
    void Repaint(HWND window) {
        OnUiThread([window] {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        });
    }
};

}  // namespace config_test
