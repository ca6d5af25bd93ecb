#pragma once
#include <map>

#include <windef.h>

#include "gdi/Region.h"

namespace emu {

class Device;

// The shell's desktop: the "today" background under every window, the 26-pixel taskbar
// at the top (start flag and time) and the menu bar at the bottom with the input-panel
// button. The taskbar, its start flag and the input-panel button follow what the
// foreground window asked for with SHFullScreen; a window that asked nothing shows them.
class Taskbar {
public:
    static constexpr RECT kTaskbarArea{0, 0, 240, 26};
    static constexpr RECT kMenuBarArea{0, 294, 240, 320};
    static constexpr RECT kClockArea{160, 0, 240, 25};
    static constexpr RECT kStartArea{0, 0, 26, 26};  // the Start logo answers here

    explicit Taskbar(Device& device) : device_(device) {}

    // SHFullScreen: records the window's SHFS_* request; false for flags it does not know.
    bool request(HWND window, DWORD flags);
    // Repaints the bars when the foreground window's requests differ from what they show.
    void refresh();
    // Starts the device thread that repaints the time whenever its minute changes.
    void start_clock();
    // Paints the desktop in `area` (screen coordinates), as the window manager asks.
    void paint(const Region& area);

    struct Chrome {
        bool taskbar = true;
        bool start_icon = true;
        bool input_button = true;
        bool operator==(const Chrome&) const = default;
    };
    // What the foreground window asks the bars to show.
    Chrome chrome() const;
    // What the bars show.
    const Chrome& shown() const { return shown_; }

private:
    void forget_closed_windows();

    Device& device_;
    std::map<HWND, Chrome> requests_;
    Chrome shown_;
};

}  // namespace emu
