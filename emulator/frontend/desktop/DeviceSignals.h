#pragma once
#include <array>
#include <atomic>
#include <optional>

#include <SDL.h>

namespace emu::desktop {

// What the device's threads tell the window's thread, as SDL events that wake its event
// loop. Each kind is queued at most once until the window takes it, so a busy device
// cannot flood the queue.
class DeviceSignals {
public:
    enum class Kind { DeviceRan, LogChanged, Beep, Count };

    DeviceSignals() : type_(SDL_RegisterEvents(1)) {}

    // Any thread.
    void send(Kind kind);
    // Window thread: the kind an event carries, or nothing for other events. Taking it
    // lets the next one of its kind be sent.
    std::optional<Kind> take(const SDL_Event& event);

private:
    Uint32 type_;
    std::array<std::atomic<bool>, static_cast<std::size_t>(Kind::Count)> pending_{};
};

}  // namespace emu::desktop
