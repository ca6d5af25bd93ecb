#include "frontend/desktop/RunDesktop.h"

#include <cstdlib>
#include <cstring>

#include <SDL.h>

#include "frontend/desktop/Desktop.h"
#include "frontend/desktop/DesktopWindow.h"
#include "frontend/desktop/TestInput.h"
#include "host/Boot.h"
#include "host/EventLogFile.h"
#include "host/DeviceHost.h"

namespace emu {

namespace {

using desktop::Desktop;
using desktop::DesktopWindow;
using desktop::TestInput;

constexpr std::uint64_t kShutdownMs = 2000;

// Video drivers that open no window anyone can see: SDL falls back to them when there is
// no display.
bool shows_windows(const char* driver) {
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Whether there is a display to try. SDL tries its video drivers in turn, and probing
// Wayland outside a Wayland session makes its library complain about XDG_RUNTIME_DIR on
// standard error: without WAYLAND_DISPLAY only X11 is tried (unless SDL_VIDEODRIVER says
// otherwise), and without either variable nothing is.
bool choose_video_driver() {
    if (!set("WAYLAND_DISPLAY") && !set("DISPLAY")) return false;
    if (!set("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    return true;
}

// SDL's video on a display, from a successful start to the end of the run.
class SdlVideo {
public:
    SdlVideo() : started_(SDL_Init(SDL_INIT_VIDEO) == 0 && shows_windows(SDL_GetCurrentVideoDriver())) {}
    ~SdlVideo() { SDL_Quit(); }
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
    bool started() const { return started_; }

private:
    bool started_;
};

bool wait_event(const Desktop& desktop, SDL_Event& event) {
    const int limit = desktop.wait_limit_ms();
    return limit < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, limit) != 0;
}

// Runs the window until it is closed; false when the test hook failed.
bool run_window(DeviceHost& host, DesktopWindow& window, const DesktopOptions& options, std::ostream& err) {
    Desktop desktop(host, window, options.zoom);
    std::string error;
    std::optional<TestInput> test;
    if (options.test_input && !(test = TestInput::load(*options.test_input, error))) {
        err << "tesselink: " << error << "\n";
        return false;
    }
    if (test) test->start(desktop);
    SDL_Event event;
    while (!desktop.closed()) {
        if (!wait_event(desktop, event)) desktop.handle_time_out();
        else if (!test || !test->take(event, desktop, host, window, error)) desktop.handle(event);
    }
    if (!error.empty()) err << "tesselink: " << error << "\n";
    return error.empty();
}


}  // namespace

std::optional<int> run_desktop(const DesktopOptions& options, const std::function<void(DeviceHost&)>& install,
                               const std::wstring& program, std::ostream& err) {
    if (!choose_video_driver()) return std::nullopt;
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SdlVideo video;
    std::string error;
    const auto size = desktop::DesktopLayout(desktop::fitting_zoom(options.zoom, DesktopWindow::display_room())).window();
    auto window = video.started() ? DesktopWindow::open("Tesselink", size, error) : nullptr;
    if (!window) return std::nullopt;
    auto host = DeviceHost::boot(BootOptions{options.device, true, Clock::Mode::Real}, error);
    if (!host) {
        err << "tesselink: " << error << "\n";
        return 1;
    }
    if (auto notice = boot_notice(host->device()); !notice.empty()) err << "tesselink: " << notice << "\n";
    std::shared_ptr<EventLogFile> log;
    if (options.log && !(log = EventLogFile::start(*options.log, host->device().log)))
        err << "tesselink: cannot write " << options.log->string() << "\n";
    install(*host);
    host->start(program);
    bool ok = run_window(*host, *window, options, err);
    // The window goes at once; the programs may take a moment to end.
    window->hide();
    host->shutdown(kShutdownMs);
    const bool logged = !options.log || (log && log->finish());
    if (log && !logged) err << "tesselink: cannot write " << options.log->string() << "\n";
    return ok && logged ? 0 : 1;
}

}  // namespace emu
