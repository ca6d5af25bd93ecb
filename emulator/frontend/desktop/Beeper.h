#pragma once
#include <cstdint>

#include <SDL.h>

namespace emu::desktop {

// Plays the device's beep. The sound device is opened for each beep and closed once it
// has played, because an open one keeps a thread busy; without a sound device a beep is
// silently nothing.
class Beeper {
public:
    Beeper() = default;
    ~Beeper();
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    void beep();
    // How long the event loop may wait before the sound device should be closed: -1 when
    // none is open.
    int wait_limit_ms() const;
    // Closes the sound device once its beep has played.
    void finish_if_played();

private:
    bool open();
    void close();

    SDL_AudioDeviceID device_ = 0;
    bool unavailable_ = false;
    std::uint64_t ends_at_ = 0;  // SDL ticks
};

}  // namespace emu::desktop
