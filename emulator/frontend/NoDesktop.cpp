// The desktop window of a build without SDL2 (TESSELINK_DESKTOP off): there is never a
// display, so `tesselink` always runs headless.
#include "frontend/desktop/RunDesktop.h"

namespace emu {

std::optional<int> run_desktop(const DesktopOptions&, const std::function<void(DeviceHost&)>&, const std::wstring&,
                               std::ostream&) {
    return std::nullopt;
}

}  // namespace emu
