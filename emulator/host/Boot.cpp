#include "host/Boot.h"

#include "gdi/Gdi.h"
#include "window/WindowManager.h"

namespace emu {

std::unique_ptr<Device> assemble_device(const BootOptions& options, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(options.image, ec);
    if (ec) {
        error = "cannot create the device folder " + options.image.string() + ": " + ec.message();
        return nullptr;
    }
    auto device = std::make_unique<Device>(options.image, options.clock);
    std::unique_lock lock(device->scheduler.mutex());
    device->gdi = std::make_shared<Gdi>(*device);
    device->windows = std::make_shared<WindowManager>(*device);
    device->windows->invalidate_screen(Region(RECT{0, 0, Gdi::kScreenWidth, Gdi::kScreenHeight}));
    return device;
}

}  // namespace emu
