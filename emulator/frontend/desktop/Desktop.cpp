#include "frontend/desktop/Desktop.h"

#include <algorithm>

#include "device/DeviceStatus.h"
#include "frontend/desktop/FileDrop.h"
#include "frontend/desktop/KeyBindings.h"
#include "gdi/Gdi.h"

namespace emu::desktop {

namespace {

PanelValues shown_with(PanelValues values, std::optional<SliderDrag> drag) {
    if (!drag) return values;
    if (drag->slider == PanelControl::Battery) values.battery = drag->percent;
    if (drag->slider == PanelControl::Memory) values.memory = drag->percent;
    if (drag->slider == PanelControl::Storage) values.storage = drag->percent;
    return values;
}

}  // namespace

Desktop::Desktop(DeviceHost& host, DesktopWindow& window, int asked_zoom)
    : host_(host), window_(window), layout_(fitting(asked_zoom)), pixmap_(layout_.window()) {
    window_.resize(layout_.window());
    host_.set_wake_listener([signals = signals_] { signals->send(DeviceSignals::Kind::DeviceRan); });
    log_listener_ = host_.device().log.add_listener([signals = signals_](const Event& event) {
        signals->send(DeviceSignals::Kind::LogChanged);
        if (event.name == "beep") signals->send(DeviceSignals::Kind::Beep);
    });
    repaint_all();
}

Desktop::~Desktop() {
    host_.set_wake_listener(nullptr);
    host_.device().log.remove_listener(log_listener_);
}

void Desktop::handle(const SDL_Event& event) {
    bool device_may_have_changed = false;
    if (auto kind = signals_->take(event)) {
        handle_signal(*kind);
        device_may_have_changed = *kind == DeviceSignals::Kind::DeviceRan;
    }
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: handle_mouse_button(event.button); break;
    case SDL_MOUSEMOTION:
        if (input_.mouse_held()) input_.mouse_move({event.motion.x, event.motion.y});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: handle_key(event.key); break;
    case SDL_MOUSEWHEEL: handle_wheel(event.wheel); break;
    case SDL_DROPFILE: handle_drop(event.drop); break;
    case SDL_WINDOWEVENT: handle_window(event.window); break;
    case SDL_QUIT: closed_ = true; break;
    default: break;
    }
    beeper_.finish_if_played();
    refresh(device_may_have_changed || control_.take_touched());
}

void Desktop::handle_mouse_button(const SDL_MouseButtonEvent& event) {
    if (event.button != SDL_BUTTON_LEFT) return;
    const Point at{event.x, event.y};
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        input_.mouse_down(at);
        if (input_.mouse_held()) SDL_CaptureMouse(SDL_TRUE);
    } else {
        input_.mouse_up(at);
        SDL_CaptureMouse(SDL_FALSE);
    }
}

void Desktop::handle_key(const SDL_KeyboardEvent& event) {
    if (event.type == SDL_KEYDOWN && !event.repeat && handle_zoom_key(event)) return;
    if (event.type == SDL_KEYDOWN && !event.repeat && event.keysym.sym == SDLK_F12) return control_.save_screenshot();
    auto button = button_for_key(event.keysym.sym);
    if (!button || event.repeat) return;
    if (event.type == SDL_KEYDOWN) input_.key_down(*button);
    else input_.key_up(*button);
}

bool Desktop::handle_zoom_key(const SDL_KeyboardEvent& event) {
    if (!(event.keysym.mod & KMOD_CTRL)) return false;
    const auto key = event.keysym.sym;
    const int zoom = layout_.body.zoom();
    if (key >= SDLK_1 && key <= SDLK_4) set_zoom(key - SDLK_0);
    else if (key == SDLK_PLUS || key == SDLK_EQUALS || key == SDLK_KP_PLUS) set_zoom(zoom + 1);
    else if (key == SDLK_MINUS || key == SDLK_KP_MINUS) set_zoom(zoom - 1);
    else return false;
    return true;
}

// Three events a notch, older upwards; a log scrolled to its end follows new events.
void Desktop::handle_wheel(const SDL_MouseWheelEvent& event) {
    if (!layout_.panel.log().contains({event.mouseX, event.mouseY})) return;
    const long long notches = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.y : event.y;
    const auto events = static_cast<long long>(host_.device().log.size());
    const auto scrolled = static_cast<long long>(log_scroll_) + 3 * notches;
    log_scroll_ = static_cast<std::size_t>(std::clamp(scrolled, 0LL, std::max(0LL, events - 1)));
}

void Desktop::handle_drop(const SDL_DropEvent& event) {
    if (event.file) drop_file(host_, event.file);
    SDL_free(event.file);
}

void Desktop::handle_window(const SDL_WindowEvent& event) {
    if (event.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
    if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        Point mouse;
        SDL_GetMouseState(&mouse.x, &mouse.y);
        input_.release_all(mouse);
    }
    if (event.event == SDL_WINDOWEVENT_EXPOSED) changed_.push_back(whole_window());
}

void Desktop::handle_signal(DeviceSignals::Kind kind) {
    if (kind == DeviceSignals::Kind::Beep) beeper_.beep();
}

void Desktop::refresh(bool device_may_have_changed) {
    if (device_may_have_changed) refresh_screen();
    refresh_body();
    refresh_panel();
    if (changed_.empty()) return;
    window_.present(pixmap_, changed_);
    changed_.clear();
}

void Desktop::refresh_screen() {
    auto screen = host_.screen();
    if (screen == shown_screen_) return;
    shown_screen_ = std::move(screen);
    body_painter_.paint_screen(pixmap_, shown_screen_);
    changed_.push_back(layout_.body.screen());
    ++screen_frames_;
}

void Desktop::refresh_body() {
    const auto held = input_.held_button();
    if (held == shown_button_) return;
    shown_button_ = held;
    body_painter_.paint_body(pixmap_, held);
    body_painter_.paint_screen(pixmap_, shown_screen_);
    changed_.push_back(layout_.body.body());
}

void Desktop::refresh_panel() {
    const auto values = shown_with(panel_values(host_.device().status->current()), input_.slider_drag());
    const auto events = host_.device().log.size();
    // A log scrolled back keeps showing the same events while new ones come.
    if (log_scroll_ > 0 && events > shown_events_) log_scroll_ += events - shown_events_;
    if (values == shown_values_ && events == shown_events_ && log_scroll_ == shown_scroll_) return;
    shown_values_ = values;
    shown_events_ = events;
    shown_scroll_ = log_scroll_;
    paint_panel();
    changed_.push_back(layout_.panel.area());
}

// Each event takes a row at least, so the rows the log has room for are as many events
// as it can show.
void Desktop::paint_panel() {
    const auto end = shown_events_ - std::min(shown_scroll_, shown_events_);
    const auto room = static_cast<std::size_t>(layout_.panel.log().height / PanelLayout::kLineHeight) + 1;
    panel_painter_.paint(pixmap_, shown_values_, host_.device().log.events(end > room ? end - room : 0, end),
                         shown_events_ - end);
}

void Desktop::set_zoom(int asked) {
    const int zoom = fitting(asked);
    if (zoom == layout_.body.zoom()) return;
    Point mouse;
    SDL_GetMouseState(&mouse.x, &mouse.y);
    input_.release_all(mouse);
    layout_ = DesktopLayout(zoom);
    pixmap_ = Pixmap(layout_.window());
    window_.resize(layout_.window());
    shown_button_.reset();
    repaint_all();
}

int Desktop::fitting(int asked) {
    asked = std::clamp(asked, BodyLayout::kMinZoom, BodyLayout::kMaxZoom);
    const int zoom = fitting_zoom(asked, window_.room());
    if (zoom < asked)
        host_.device().log.record("window-zoom", {{"asked", static_cast<long long>(asked)},
                                                  {"zoom", static_cast<long long>(zoom)},
                                                  {"reason", std::string("the display is too small")}});
    return zoom;
}

Rect Desktop::whole_window() const { return {0, 0, layout_.window().width, layout_.window().height}; }

void Desktop::repaint_all() {
    shown_screen_ = host_.screen();
    body_painter_.paint_body(pixmap_, std::nullopt);
    body_painter_.paint_screen(pixmap_, shown_screen_);
    shown_values_ = panel_values(host_.device().status->current());
    shown_events_ = host_.device().log.size();
    shown_scroll_ = log_scroll_;
    paint_panel();
    changed_.push_back(whole_window());
    refresh(false);
}

}  // namespace emu::desktop
