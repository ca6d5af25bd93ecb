// The page's device: main() of the web build, on a worker of its own (PROXY_TO_PTHREAD).
// The page mounts the device folder from the browser's storage first, then passes
//   --zoom N          the body's zoom on the canvas, 1 to 4
//   --virtual-clock   time moves only when the device's programs let it (as headless
//                     runs do, so that their screens repeat); the default is real time
// It boots the device, starts Tesselink, serves the page until the page ends the device,
// and then tells the page that the device folder may be stored.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <windows.h>

#include "frontend/DeviceFolder.h"
#include "frontend/web/Page.h"
#include "frontend/web/WebFrontEnd.h"
#include "host/DeviceHost.h"
#include "resources/Resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace {

// In the folder where the page mounts the browser's storage, so that unpacking the
// built-in image can move its files into place within the one file system.
const char kDeviceFolder[] = "/storage/device";
const wchar_t kProgramPath[] = L"\\Windows\\Tesselink.exe";
constexpr std::uint64_t kShutdownMs = 2000;

struct WebOptions {
    int zoom = 2;
    emu::Clock::Mode clock = emu::Clock::Mode::Real;
};

WebOptions parse(int argc, char** argv) {
    WebOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc)
            options.zoom = std::clamp(std::atoi(argv[++i]), emu::desktop::BodyLayout::kMinZoom,
                                      emu::desktop::BodyLayout::kMaxZoom);
        else if (std::strcmp(argv[i], "--virtual-clock") == 0) options.clock = emu::Clock::Mode::Virtual;
    }
    return options;
}

// Runs the device until the page ends it; true when the page asked for a reset.
bool serve(emu::DeviceHost& host, const WebOptions& options, emu::web::Page& page) {
    host.install(kProgramPath, &WinMain, tesselink_resources());
    host.start(kProgramPath);
    emu::web::WebFrontEnd front_end(host, page, emu::web::page_inbox(), options.zoom);
    return front_end.run();
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    emu::web::Page page;
    std::string error;
    auto host = emu::DeviceHost::boot({kDeviceFolder, true, options.clock}, error);
    if (!host) {
        page.device_failed(error);
        return 1;
    }
    const bool reset = serve(*host, options, page);
    if (reset) host->reset();
    else host->shutdown(kShutdownMs);
    host = nullptr;
    // The next boot unpacks the built-in image into the emptied folder.
    if (reset && !emu::reset_device_folder(kDeviceFolder, error)) page.device_failed(error);
    page.device_ended(reset);
    return 0;
}
