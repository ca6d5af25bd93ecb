#include "frontend/desktop/Beeper.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "frontend/desktop/QuietStderr.h"

namespace emu::desktop {

namespace {

constexpr int kRate = 22050;
constexpr int kToneMs = 120;
constexpr double kPitch = 880.0;
constexpr int kSlackMs = 100;  // lets the device play what it buffered before it closes

// A sine tone that fades in and out, so that it does not click.
std::vector<std::int16_t> tone() {
    std::vector<std::int16_t> samples(kRate * kToneMs / 1000);
    const auto fade = static_cast<double>(samples.size()) / 10;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double edge = std::min({1.0, i / fade, (samples.size() - i) / fade});
        samples[i] = static_cast<std::int16_t>(8000 * edge * std::sin(2 * std::numbers::pi * kPitch * i / kRate));
    }
    return samples;
}

}  // namespace

Beeper::~Beeper() { close(); }

bool Beeper::open() {
    if (device_ != 0) return true;
    if (unavailable_) return false;
    QuietStderr quiet;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return unavailable();
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    return device_ != 0 || unavailable();
}

bool Beeper::unavailable() {
    unavailable_ = true;
    if (silent_) silent_(SDL_GetError());
    return false;
}

void Beeper::close() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
}

void Beeper::beep() {
    if (!open()) return;
    static const auto samples = tone();
    SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size() * sizeof samples[0]));
    SDL_PauseAudioDevice(device_, 0);
    ends_at_ = SDL_GetTicks64() + kToneMs + kSlackMs;
}

int Beeper::wait_limit_ms() const {
    if (device_ == 0) return -1;
    const auto now = SDL_GetTicks64();
    return now >= ends_at_ ? 0 : static_cast<int>(ends_at_ - now);
}

void Beeper::finish_if_played() {
    if (device_ != 0 && SDL_GetTicks64() >= ends_at_) close();
}

}  // namespace emu::desktop
