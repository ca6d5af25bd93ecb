#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include <SDL.h>

namespace emu::desktop {

// Plays the device's beep. SDL's sound is started at the first beep, and the sound device
// is opened for each beep and closed once it has played, because an open one keeps a
// thread busy. The sound libraries' complaints are kept off standard error; without a
// sound device a beep is nothing, and `silent` is told why, once.
class Beeper {
public:
    explicit Beeper(std::function<void(const std::string& reason)> silent) : silent_(std::move(silent)) {}
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
    bool unavailable();

    SDL_AudioDeviceID device_ = 0;
    bool unavailable_ = false;
    std::function<void(const std::string&)> silent_;
    std::uint64_t ends_at_ = 0;  // SDL ticks
};

}  // namespace emu::desktop
