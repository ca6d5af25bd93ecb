#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "frontend/desktop/PanelPainter.h"
#include "frontend/desktop/Pixmap.h"

namespace emu::web {

// The calls into the page's JavaScript (web/page.js, `Module.page`). They run on
// the page's main thread; each returns once the page has done it.
class Page {
public:
    // The canvas has `size`, with the device's screen at `screen` drawn `zoom` times.
    void set_canvas(desktop::Size size, desktop::Rect screen, int zoom);
    // Draws `areas` of `pixmap`, which has the canvas's size, as one frame, which shows
    // what the first `inputs_handled` stylus and button presses of the page caused.
    void present(const desktop::Pixmap& pixmap, std::span<const desktop::Rect> areas, std::uint64_t inputs_handled);
    void show_status(const desktop::PanelValues& values);
    // `json`: an array of new event lines, oldest first.
    void add_events(const std::string& json);
    void beep();
    // The device has ended (or was reset) and its folder is complete: the page may store it.
    void device_ended(bool reset);
    void device_failed(const std::string& error);
};

}  // namespace emu::web
