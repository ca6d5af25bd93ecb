// The application strip in a bar-like parent at the bottom of the screen, over a list of
// the device's programs, with the shell's launches and the parent's commands recorded.
#pragma once
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"

namespace controls {

const UINT kHideCommand = 3028;
// The parent sits where the docked bar does; the strip at (5, 5) in it.
const int kStripLeft = 5, kStripTop = 276;
const COLORREF kCursorColour = RGB(213, 202, 170);
const COLORREF kPressedColour = RGB(139, 130, 101);

inline const wchar_t* const kPrograms[] = {
    L"\\Windows\\calc.exe",     L"\\Windows\\calendar.exe", L"\\Windows\\contacts.exe", L"\\Windows\\inbox.exe",
    L"\\Windows\\notes.exe",    L"\\Windows\\tasks.exe",    L"\\Windows\\pword.exe",    L"\\Windows\\pxl.exe",
    L"\\Windows\\iexplore.exe", L"\\Windows\\fexplore.exe", L"\\Windows\\wmplayer.exe", L"\\Windows\\pictures.exe",
    L"\\Windows\\solitare.exe", L"\\Windows\\bubble.exe",   L"\\Windows\\Start Menu\\Notes.lnk",
    L"\\Windows\\Start Menu\\Accessories\\Calculator.lnk"};

// A program's path as the event log writes it.
inline std::string Program(int index) {
    std::string path;
    for (const wchar_t* c = kPrograms[index]; *c; ++c) path += static_cast<char>(*c);
    return path;
}

class StripTest : public ControlsTest {
protected:
    // Creates the strip over the first `count` programs, in the small or the large mode,
    // and lets it paint.
    void Start(int count, int smallMode = 1, int sound = 1) {
        for (int i = 0; i < count; ++i) items[i].path = kPrograms[i];
        OnCommand() = [this](UINT command) {
            if (command == kHideCommand) launches_at_command.push_back(Launched().size());
        };
        RunWithParent(
            RECT{0, 271, 240, 320},
            [=, this](HWND parent) {
                strip = new ApplicationStrip(L"Application Bar", WS_CHILD | WS_VISIBLE, 5, 5, 230, smallMode ? 20 : 34,
                                             parent, instance, kHideCommand);
                strip->SetItems(items, count);
                strip->SetSoundFlag(sound);
                window = strip->Create(1, smallMode);
            },
            [this] { delete strip; });
    }

    // The files the shell was asked to open, in order.
    std::vector<std::string> Launched() {
        std::vector<std::string> files;
        for (const auto& event : device.device().log.events("shell-execute")) files.push_back(event.text("file"));
        return files;
    }

    // Screen points: inside cell `place` off its icon, and the middle of the cell.
    static POINT CellEdge(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 16 + 20 * place, kStripTop + 1}
                         : POINT{kStripLeft + 13 + 34 * place, kStripTop + 16};
    }
    static POINT CellMiddle(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 25 + 20 * place, kStripTop + 10}
                         : POINT{kStripLeft + 30 + 34 * place, kStripTop + 17};
    }
    COLORREF CellColour(int place, int smallMode = 1) {
        POINT p = CellEdge(place, smallMode);
        return device.host().pixel(p.x, p.y);
    }
    void Tap(POINT p) { device.host().tap(p.x, p.y); }
    // Whether cell `place` shows an icon: anything but the background inside the cell.
    bool HasIcon(int place, int smallMode = 1) {
        int size = smallMode ? 20 : 34;
        POINT corner = smallMode ? POINT{kStripLeft + 15 + 20 * place, kStripTop}
                                 : POINT{kStripLeft + 13 + 34 * place, kStripTop};
        for (COLORREF pixel : ScreenArea(corner.x + 2, corner.y + 2, size - 4, size - 4))
            if (pixel != kPanelColour) return true;
        return false;
    }
    void OnStrip(void (ApplicationStrip::*operation)(), int times = 1) {
        OnUiThread([=, this] {
            for (int i = 0; i < times; ++i) (strip->*operation)();
        });
    }

    ApplicationItem items[16];
    ApplicationStrip* strip = nullptr;
    HWND window = nullptr;
    std::vector<std::size_t> launches_at_command;
};

}  // namespace controls
