// The application strip in a bar-like parent at the bottom of the screen, over programs of
// the device image.
#pragma once
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"

namespace controls {

// The parent sits where the docked bar does, the strip at (5, 5) in it.
const int kStripLeft = 5, kStripTop = 276;
// Points on the page buttons' places at the strip's two ends.
const int kLeftEnd = kStripLeft + 3, kRightEnd = kStripLeft + 224;
const COLORREF kCursorColour = RGB(213, 202, 170);
const COLORREF kPressedColour = RGB(139, 130, 101);

inline const char* const kPrograms[] = {
    "calc.exe",  "calendar.exe", "contacts.exe", "inbox.exe",    "notes.exe",    "tasks.exe",
    "pword.exe", "pxl.exe",      "iexplore.exe", "fexplore.exe", "wmplayer.exe", "pictures.exe",
    "solitare.exe", "bubble.exe", "Start Menu\\Notes.lnk", "Start Menu\\Accessories\\Calculator.lnk"};
inline std::string Program(int index) { return std::string("\\Windows\\") + kPrograms[index]; }
inline std::string Opened(int index) { return "open " + Program(index); }
const std::string kHidden = "command 3028";

class StripTest : public ControlsTest {
protected:
    // Creates the strip over the first `count` programs and lets it paint.
    void Start(int count, int smallMode = 1, int sound = 1) {
        for (int i = 0; i < count; ++i) items[i].path = emu::widen_utf8(Program(i));
        RunWithParent(
            RECT{0, 271, 240, 320},
            [=, this](HWND parent) {
                strip = new ApplicationStrip(L"Application Bar", WS_CHILD | WS_VISIBLE, 5, 5, 230,
                                             smallMode ? 20 : 34, parent, instance, 3028);
                strip->SetItems(items, count);
                strip->SetSoundFlag(sound);
                window = strip->Create(1, smallMode);
            },
            [this] { delete strip; });
    }

    // What the shell opened and what the parent was told, in order.
    std::vector<std::string> Timeline() {
        std::vector<std::string> lines;
        for (const auto& event : device.device().log.events()) {
            if (event.name == "shell-execute") lines.push_back("open " + event.text("file"));
            if (event.name == "command") lines.push_back("command " + std::to_string(event.number("number")));
        }
        return lines;
    }

    // Screen points of cell `place`: inside it but off its icon, and in its middle.
    static POINT CellEdge(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 16 + 20 * place, kStripTop + 1}
                         : POINT{kStripLeft + 13 + 34 * place, kStripTop + 16};
    }
    static POINT CellMiddle(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 25 + 20 * place, kStripTop + 10}
                         : POINT{kStripLeft + 30 + 34 * place, kStripTop + 17};
    }
    COLORREF CellColour(int place) { return device.host().pixel(CellEdge(place).x, CellEdge(place).y); }
    // Whether cell `place` shows anything but the background.
    bool HasIcon(int place, int smallMode = 1) {
        POINT edge = CellEdge(place, smallMode);
        int size = smallMode ? 20 : 34;
        for (COLORREF pixel : ScreenArea(edge.x + 1, kStripTop + 2, size - 4, size - 4))
            if (pixel != kPanelColour) return true;
        return false;
    }
    void Tap(POINT p) { device.host().tap(p.x, p.y); }
    void Down(POINT p) { device.host().stylus_down(p.x, p.y); }
    void Move(POINT p) { device.host().stylus_move(p.x, p.y); }
    void Up(POINT p) { device.host().stylus_up(p.x, p.y); }
    void Repeat(void (ApplicationStrip::*operation)(), int times = 1) {
        OnUiThread([=, this] {
            for (int i = 0; i < times; ++i) (strip->*operation)();
        });
    }

    ApplicationItem items[16];
    ApplicationStrip* strip = nullptr;
    HWND window = nullptr;
};

}  // namespace controls
