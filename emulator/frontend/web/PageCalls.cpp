// The device interface the page's JavaScript calls (web/page.js). Each call posts to the
// front-end's thread and returns at once: the page's thread never waits for the device,
// whose threads have the page's thread do their file system calls and drawing. Values
// are checked here, so that a wrong one (from the page's console, say) is dropped or
// brought into range instead of reaching the device.
#include <emscripten.h>

#include <algorithm>

#include "frontend/desktop/BodyLayout.h"
#include "frontend/desktop/DeviceButton.h"
#include "frontend/desktop/PanelLayout.h"
#include "frontend/web/PageInbox.h"

using emu::desktop::PanelControl;
using emu::web::PageMessage;
using Kind = PageMessage::Kind;

namespace {

void post(Kind kind, int value = 0, int x = 0, int y = 0) { emu::web::page_inbox().post({kind, value, {x, y}}); }

}  // namespace

extern "C" {

// `phase`: 0 pressed, 1 moved, 2 released; (x, y) a pixel of the canvas.
EMSCRIPTEN_KEEPALIVE void tesselink_pointer(int phase, int x, int y) {
    post(phase == 0 ? Kind::PointerDown : phase == 1 ? Kind::PointerMove : Kind::PointerUp, 0, x, y);
}

// `button`: a desktop::DeviceButton.
EMSCRIPTEN_KEEPALIVE void tesselink_button(int button, int down) {
    if (button < 0 || button >= static_cast<int>(emu::desktop::kDeviceButtons.size())) return;
    post(down ? Kind::ButtonDown : Kind::ButtonUp, button);
}

// `slider`: a desktop::PanelControl with a slider; `percent` 0 to 100.
EMSCRIPTEN_KEEPALIVE void tesselink_set_level(int slider, int percent) {
    const auto control = static_cast<PanelControl>(slider);
    if (control != PanelControl::Battery && control != PanelControl::Memory && control != PanelControl::Storage) return;
    post(Kind::SetLevel, slider, std::clamp(percent, 0, 100));
}

EMSCRIPTEN_KEEPALIVE void tesselink_toggle_mains() { post(Kind::ToggleMains); }

EMSCRIPTEN_KEEPALIVE void tesselink_zoom(int zoom) {
    using emu::desktop::BodyLayout;
    post(Kind::Zoom, std::clamp(zoom, BodyLayout::kMinZoom, BodyLayout::kMaxZoom));
}

EMSCRIPTEN_KEEPALIVE void tesselink_lost_focus() { post(Kind::LostFocus); }

// Ends the device in order (`reset` 0) or switches it off at once and restores the
// built-in image (`reset` 1); the page hears of it through Module.page.deviceEnded.
EMSCRIPTEN_KEEPALIVE void tesselink_end(int reset) { post(Kind::End, reset); }

}  // extern "C"
