#include "frontend/desktop/DeviceSignals.h"

namespace emu::desktop {

void DeviceSignals::send(Kind kind) {
    if (type_ == static_cast<Uint32>(-1)) return;
    if (pending_[static_cast<std::size_t>(kind)].exchange(true)) return;
    SDL_Event event{};
    event.type = type_;
    event.user.code = static_cast<Sint32>(kind);
    if (SDL_PushEvent(&event) != 1) pending_[static_cast<std::size_t>(kind)] = false;
}

std::optional<DeviceSignals::Kind> DeviceSignals::take(const SDL_Event& event) {
    if (event.type != type_) return std::nullopt;
    const auto kind = static_cast<Kind>(event.user.code);
    pending_[static_cast<std::size_t>(kind)] = false;
    return kind;
}

}  // namespace emu::desktop
