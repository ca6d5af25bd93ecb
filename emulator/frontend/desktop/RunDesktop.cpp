#include "frontend/desktop/RunDesktop.h"

#include <cstring>
#include <fstream>

#include <SDL.h>

#include "frontend/desktop/Desktop.h"
#include "frontend/desktop/DesktopWindow.h"
#include "frontend/desktop/TestTap.h"
#include "host/Boot.h"
#include "host/DeviceHost.h"

namespace emu {

namespace {

using desktop::Desktop;
using desktop::DesktopWindow;
using desktop::TestTap;

constexpr std::uint64_t kShutdownMs = 2000;

// Video drivers that open no window anyone can see: SDL falls back to them when there is
// no display.
bool shows_windows(const char* driver) {
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
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

// Runs the window until it is closed; false when the test hook could not save its pictures.
bool run_window(DeviceHost& host, DesktopWindow& window, const DesktopOptions& options, std::ostream& err) {
    Desktop desktop(host, window, options.zoom);
    std::optional<TestTap> tap;
    if (options.test_tap) tap.emplace(*options.test_tap);
    if (tap) tap->queue(desktop, window);
    std::string error;
    SDL_Event event;
    while (!desktop.closed()) {
        if (!wait_event(desktop, event)) desktop.handle_time_out();
        else if (!tap || !tap->take(event, host, window, error)) desktop.handle(event);
    }
    if (!error.empty()) err << "tesselink: " << error << "\n";
    return error.empty();
}

bool write_log(DeviceHost& host, const std::filesystem::path& file, std::ostream& err) {
    std::ofstream out(file);
    host.device().log.write_jsonl(out);
    if (out.flush()) return true;
    err << "tesselink: cannot write " << file.string() << "\n";
    return false;
}

}  // namespace

std::optional<int> run_desktop(const DesktopOptions& options, const std::function<void(DeviceHost&)>& install,
                               const std::wstring& program, std::ostream& err) {
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SdlVideo video;
    std::string error;
    const auto size = desktop::DesktopLayout(options.zoom).window();
    auto window = video.started() ? DesktopWindow::open("Tesselink", size, error) : nullptr;
    if (!window) return std::nullopt;
    auto host = DeviceHost::boot(BootOptions{options.device, true, Clock::Mode::Real}, error);
    if (!host) {
        err << "tesselink: " << error << "\n";
        return 1;
    }
    if (auto notice = boot_notice(host->device()); !notice.empty()) err << "tesselink: " << notice << "\n";
    install(*host);
    host->start(program);
    bool ok = run_window(*host, *window, options, err);
    // The window goes at once; the programs may take a moment to end.
    window->hide();
    host->shutdown(kShutdownMs);
    if (options.log) ok = write_log(*host, *options.log, err) && ok;
    return ok ? 0 : 1;
}

}  // namespace emu
