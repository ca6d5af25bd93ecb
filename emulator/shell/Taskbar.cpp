#include "shell/Taskbar.h"

#include <aygshell.h>

#include "kernel/Device.h"
#include "shell/DesktopPainting.h"
#include "shell/TaskbarClock.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

constexpr DWORD kKnownFlags = SHFS_SHOWTASKBAR | SHFS_HIDETASKBAR | SHFS_SHOWSIPBUTTON | SHFS_HIDESIPBUTTON |
                              SHFS_SHOWSTARTICON | SHFS_HIDESTARTICON;

// A pair of SHFS_* flags changes a setting; neither leaves it, both are refused earlier.
void apply(bool& setting, DWORD flags, DWORD show, DWORD hide) {
    if (flags & show) setting = true;
    if (flags & hide) setting = false;
}

bool contradicts(DWORD flags, DWORD show, DWORD hide) { return (flags & show) && (flags & hide); }

}  // namespace

bool Taskbar::request(HWND window, DWORD flags) {
    if (!device_.windows || !device_.windows->window(window) || (flags & ~kKnownFlags)) return false;
    if (contradicts(flags, SHFS_SHOWTASKBAR, SHFS_HIDETASKBAR) ||
        contradicts(flags, SHFS_SHOWSIPBUTTON, SHFS_HIDESIPBUTTON) ||
        contradicts(flags, SHFS_SHOWSTARTICON, SHFS_HIDESTARTICON))
        return false;
    forget_closed_windows();
    auto& chrome = requests_[window];
    apply(chrome.taskbar, flags, SHFS_SHOWTASKBAR, SHFS_HIDETASKBAR);
    apply(chrome.input_button, flags, SHFS_SHOWSIPBUTTON, SHFS_HIDESIPBUTTON);
    apply(chrome.start_icon, flags, SHFS_SHOWSTARTICON, SHFS_HIDESTARTICON);
    refresh();
    return true;
}

Taskbar::Chrome Taskbar::chrome() const {
    const Window* foreground = device_.windows ? device_.windows->foreground() : nullptr;
    if (!foreground || !device_.windows->shown(*foreground)) return {};
    auto found = requests_.find(foreground->handle);
    return found == requests_.end() ? Chrome{} : found->second;
}

// The bars are always painted in the state last recorded here, and a change repaints
// them whole, so they never show two states at once. Recording the state before the
// repaint also keeps a window that asks again while it paints from repainting forever.
void Taskbar::refresh() {
    if (chrome() == shown_ || !device_.windows) return;
    shown_ = chrome();
    Region bars(kTaskbarArea);
    bars.add(kMenuBarArea);
    device_.windows->invalidate_screen(bars);
}

void Taskbar::paint(const Region& area) {
    DesktopPainting painting(device_, area);
    painting.background();
    if (shown_.taskbar) painting.taskbar(shown_.start_icon);
    painting.menu_bar(shown_.input_button);
}

// The clock's thread belongs to no process: it never keeps the device from ending, and
// sleeping until the next minute it never keeps it from being idle.
void Taskbar::start_clock() {
    device_.scheduler.create(nullptr, [this]() -> DWORD {
        for (;;) {
            device_.scheduler.wait([] { return false; }, next_taskbar_minute(device_.clock));
            if (shown_.taskbar && device_.windows) device_.windows->invalidate_screen(Region(kClockArea));
        }
    });
}

void Taskbar::forget_closed_windows() {
    std::erase_if(requests_, [&](const auto& entry) { return !device_.windows->window(entry.first); });
}

}  // namespace emu
