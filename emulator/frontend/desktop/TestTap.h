#pragma once
#include <string>

#include <SDL.h>

#include "frontend/CommandLine.h"

namespace emu {
class DeviceHost;
}

namespace emu::desktop {

class Desktop;
class DesktopWindow;

// The smoke test's hook into the desktop (--test-tap): the tap goes through the window's
// event queue, as the mouse would send it; once it has been handled, the window and the
// device's screen are saved as window.png and screen.png in the request's folder, and the
// window is closed as its close button would close it.
class TestTap {
public:
    explicit TestTap(TestTapRequest request) : request_(std::move(request)), capture_type_(SDL_RegisterEvents(1)) {}

    // Queues the tap and the capture behind it.
    void queue(const Desktop& desktop, const DesktopWindow& window) const;
    // Takes the capture event: saves the pictures, queues the close; false for other events.
    bool take(const SDL_Event& event, DeviceHost& host, const DesktopWindow& window, std::string& error) const;

private:
    TestTapRequest request_;
    Uint32 capture_type_;
};

}  // namespace emu::desktop
