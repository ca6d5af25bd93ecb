#include "host/Boot.h"

#include <clocale>

#include "device/Backlight.h"
#include "device/DeviceStatus.h"
#include "files/FileSystem.h"
#include "gdi/Gdi.h"
#include "image/DefaultImage.h"
#include "library/Libraries.h"
#include "registry/Registry.h"
#include "shell/Shell.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

bool prepare_folder(const BootOptions& options, std::string& error) {
    if (options.unpack_default_image) return unpack_default_image(options.image, error);
    std::error_code ec;
    std::filesystem::create_directories(options.image, ec);
    if (ec) error = "cannot create the device folder " + options.image.string() + ": " + ec.message();
    return !ec;
}

// As on Windows CE, the GDI reads at boot whether the registry turns font smoothing on
// for every font: the key's presence does, whatever it holds.
FontSmoothing font_smoothing(const Registry& registry) {
    return registry.find(L"HKEY_LOCAL_MACHINE\\System\\GDI\\Fontsmoothing") ? FontSmoothing::UnlessRefused
                                                                              : FontSmoothing::WhenAsked;
}

}  // namespace

std::unique_ptr<Device> assemble_device(const BootOptions& options, std::string& error) {
    if (!prepare_folder(options, error)) return nullptr;
    // Wide text streams reach the device's files as UTF-8, which they convert to the
    // device's code page.
    std::setlocale(LC_CTYPE, "C.UTF-8");
    auto device = std::make_unique<Device>(options.image, options.clock);
    std::unique_lock lock(device->scheduler.mutex());
    auto loaded = Registry::load(*device);
    if (!loaded.registry) {
        error = loaded.error;
        return nullptr;
    }
    device->registry = loaded.registry;
    device->status = std::make_shared<DeviceStatus>(*device);
    if (!device->status->settings_error().empty()) {
        error = device->status->settings_error();
        return nullptr;
    }
    device->files = std::make_shared<FileSystem>(*device);
    device->gdi = std::make_shared<Gdi>(*device, font_smoothing(*device->registry));
    device->windows = std::make_shared<WindowManager>(*device);
    device->shell = std::make_shared<Shell>(*device);
    device->libraries = std::make_shared<Libraries>(*device);
    install_backlight(*device);
    device->windows->invalidate_screen(Region(RECT{0, 0, Gdi::kScreenWidth, Gdi::kScreenHeight}));
    return device;
}

}  // namespace emu
