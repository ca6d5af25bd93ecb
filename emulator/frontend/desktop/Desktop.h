#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <SDL.h>

#include "frontend/desktop/Beeper.h"
#include "frontend/desktop/BodyPainter.h"
#include "frontend/desktop/DesktopInput.h"
#include "frontend/desktop/DesktopLayout.h"
#include "frontend/desktop/DesktopWindow.h"
#include "frontend/desktop/DeviceSignals.h"
#include "frontend/desktop/HostControl.h"
#include "frontend/desktop/PanelPainter.h"

namespace emu::desktop {

// The desktop front-end at work: it turns the window's events into device input, listens
// to the device, and shows a part of the window again only when what it shows changed.
// The device is shown at the zoom asked for, or the largest below it whose window fits
// the display; Ctrl + 1 to 4 and Ctrl + plus and minus change it. F12 saves a screenshot,
// the mouse wheel scrolls the log, and a file dropped on the window goes onto the device.
class Desktop {
public:
    Desktop(DeviceHost& host, DesktopWindow& window, int asked_zoom);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    const DesktopLayout& layout() const { return layout_; }
    void handle(const SDL_Event& event);
    // The event loop waited wait_limit_ms() and no event came.
    void handle_time_out() { beeper_.finish_if_played(); }
    bool closed() const { return closed_; }
    // How long the event loop may wait for the next event: -1 for as long as it takes.
    int wait_limit_ms() const { return beeper_.wait_limit_ms(); }
    // How many frames with a changed device screen were presented.
    std::uint64_t screen_frames() const { return screen_frames_; }

private:
    void handle_mouse_button(const SDL_MouseButtonEvent& event);
    void handle_key(const SDL_KeyboardEvent& event);
    // Ctrl + 1 to 4, Ctrl + plus and minus; false for other keys.
    bool handle_zoom_key(const SDL_KeyboardEvent& event);
    void handle_wheel(const SDL_MouseWheelEvent& event);
    void handle_drop(const SDL_DropEvent& event);
    void handle_window(const SDL_WindowEvent& event);
    void handle_signal(DeviceSignals::Kind kind);

    // Repaints what changed since it was last shown, and presents it.
    void refresh(bool device_may_have_changed);
    void refresh_screen();
    void refresh_body();
    void refresh_panel();
    void paint_panel();
    void repaint_all();
    Rect whole_window() const;
    // The largest zoom not above `asked` whose window fits the display; logged as
    // "window-zoom" when it is smaller than asked.
    int fitting(int asked);
    // Shows the device at `asked`, or at the largest zoom below it that fits.
    void set_zoom(int asked);

    DeviceHost& host_;
    DesktopWindow& window_;
    DesktopLayout layout_;
    Pixmap pixmap_;
    TextPainter text_;
    BodyPainter body_painter_{layout_.body, text_};
    PanelPainter panel_painter_{layout_.panel, text_};
    HostControl control_{host_};
    DesktopInput input_{layout_, control_};
    // Shared with the log's listener, which a device thread may still be calling when the
    // desktop has gone.
    std::shared_ptr<DeviceSignals> signals_ = std::make_shared<DeviceSignals>();
    int log_listener_ = -1;
    // Without a sound device the beeps are silent; the log says so once.
    Beeper beeper_{[this](const std::string& reason) {
        host_.device().log.record("beep-silent", {{"reason", reason}});
    }};

    std::vector<Colour> shown_screen_;
    std::optional<DeviceButton> shown_button_;
    PanelValues shown_values_;
    std::size_t shown_events_ = 0;
    // How many of the newest events the log panel has scrolled out below.
    std::size_t log_scroll_ = 0;
    std::size_t shown_scroll_ = 0;
    std::vector<Rect> changed_;
    std::uint64_t screen_frames_ = 0;
    bool closed_ = false;
};

}  // namespace emu::desktop
