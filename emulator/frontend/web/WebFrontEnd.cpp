#include "frontend/web/WebFrontEnd.h"

#include "device/DeviceStatus.h"
#include "frontend/web/EventJson.h"

namespace emu::web {

using desktop::DeviceButton;
using desktop::PanelControl;
using Kind = PageMessage::Kind;

namespace {

// The input whose next frame the page times: the stylus and the pressed buttons.
bool is_timed_input(Kind kind) {
    return kind == Kind::PointerDown || kind == Kind::PointerMove || kind == Kind::PointerUp || kind == Kind::ButtonDown;
}

}  // namespace

WebFrontEnd::WebFrontEnd(DeviceHost& host, Page& page, PageInbox& inbox, int zoom)
    : host_(host), page_(page), inbox_(inbox) {
    host_.set_wake_listener([&inbox] { inbox.post({Kind::DeviceRan}); });
    log_listener_ = host_.device().log.add_listener([&inbox](const Event& event) {
        inbox.post({Kind::LogChanged});
        if (event.name == "beep") inbox.post({Kind::Beep});
    });
    set_zoom(zoom);
}

WebFrontEnd::~WebFrontEnd() {
    host_.set_wake_listener(nullptr);
    host_.device().log.remove_listener(log_listener_);
}

bool WebFrontEnd::run() {
    for (;;) {
        const auto message = inbox_.take();
        if (auto reset = handle(message)) return *reset;
        refresh(message.kind == Kind::DeviceRan || control_.take_touched());
    }
}

std::optional<bool> WebFrontEnd::handle(const PageMessage& message) {
    auto& input = view_->input;
    if (is_timed_input(message.kind)) ++inputs_handled_;
    switch (message.kind) {
    case Kind::PointerDown:
        pointer_ = message.point;
        input.mouse_down(pointer_);
        break;
    case Kind::PointerMove:
        pointer_ = message.point;
        if (input.mouse_held()) input.mouse_move(pointer_);
        break;
    case Kind::PointerUp:
        pointer_ = message.point;
        input.mouse_up(pointer_);
        break;
    case Kind::ButtonDown: input.key_down(static_cast<DeviceButton>(message.value)); break;
    case Kind::ButtonUp: input.key_up(static_cast<DeviceButton>(message.value)); break;
    case Kind::SetLevel: control_.set_level(static_cast<PanelControl>(message.value), message.point.x); break;
    case Kind::ToggleMains: control_.toggle_mains(); break;
    case Kind::Zoom: set_zoom(message.value); break;
    case Kind::LostFocus: input.release_all(pointer_); break;
    case Kind::End: return message.value != 0;
    case Kind::Beep: page_.beep(); break;
    case Kind::DeviceRan:
    case Kind::LogChanged: break;
    }
    return std::nullopt;
}

// A new zoom draws the whole body again on a canvas of the new size.
void WebFrontEnd::set_zoom(int zoom) {
    if (view_ && view_->layout.body.zoom() == zoom) return;
    if (view_) view_->input.release_all(pointer_);
    view_ = std::make_unique<View>(zoom, control_, text_);
    const auto& body = view_->layout.body;
    page_.set_canvas({body.body().width, body.body().height}, body.screen(), body.zoom());
    shown_screen_ = host_.screen();
    shown_button_.reset();
    view_->painter.paint_body(view_->pixmap, shown_button_);
    view_->painter.paint_screen(view_->pixmap, shown_screen_);
    changed_ = {body.body()};
    refresh(false);
}

// The frame goes first: the side panel and the event log can wait for it.
void WebFrontEnd::refresh(bool device_may_have_changed) {
    if (device_may_have_changed) refresh_screen();
    refresh_body();
    if (!changed_.empty()) {
        page_.present(view_->pixmap, changed_, inputs_handled_);
        changed_.clear();
    }
    refresh_status();
    refresh_log();
}

void WebFrontEnd::refresh_screen() {
    auto screen = host_.screen();
    if (screen == shown_screen_) return;
    shown_screen_ = std::move(screen);
    view_->painter.paint_screen(view_->pixmap, shown_screen_);
    changed_.push_back(view_->layout.body.screen());
}

void WebFrontEnd::refresh_body() {
    const auto held = view_->input.held_button();
    if (held == shown_button_) return;
    shown_button_ = held;
    view_->painter.paint_body(view_->pixmap, held);
    view_->painter.paint_screen(view_->pixmap, shown_screen_);
    changed_.push_back(view_->layout.body.body());
}

void WebFrontEnd::refresh_status() {
    const auto values = desktop::panel_values(host_.device().status->current());
    if (values == shown_values_) return;
    shown_values_ = values;
    page_.show_status(values);
}

void WebFrontEnd::refresh_log() {
    if (host_.device().log.size() == shown_events_) return;
    const auto events = host_.device().log.events();
    page_.add_events(event_lines_json(std::span(events).subspan(shown_events_)));
    shown_events_ = events.size();
}

}  // namespace emu::web
