#include "frontend/desktop/TestTap.h"

#include "frontend/desktop/Desktop.h"

namespace emu::desktop {

namespace {

void push_mouse(Uint32 type, Uint32 window, Point at) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = window;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = at.x;
    event.button.y = at.y;
    SDL_PushEvent(&event);
}

}  // namespace

void TestTap::queue(const Desktop& desktop, const DesktopWindow& window) const {
    // The middle of the screen pixel, so that the tap lands on it at any zoom.
    auto at = desktop.layout().body.to_window({request_.x, request_.y});
    const int half = desktop.layout().body.zoom() / 2;
    at = {at.x + half, at.y + half};
    push_mouse(SDL_MOUSEBUTTONDOWN, window.id(), at);
    push_mouse(SDL_MOUSEBUTTONUP, window.id(), at);
    SDL_Event capture{};
    capture.type = capture_type_;
    SDL_PushEvent(&capture);
}

bool TestTap::take(const SDL_Event& event, DeviceHost& host, const DesktopWindow& window, std::string& error) const {
    if (event.type != capture_type_) return false;
    std::error_code ignored;
    std::filesystem::create_directories(request_.folder, ignored);
    if (!window.save_png(request_.folder / "window.png") || !host.screenshot(request_.folder / "screen.png"))
        error = "cannot write the test pictures in " + request_.folder.string();
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = window.id();
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&close);
    return true;
}

}  // namespace emu::desktop
