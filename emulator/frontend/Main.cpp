// tesselink: the emulated Pocket PC running Tesselink, in a desktop window when there is
// a display, headless otherwise.
#include <cstdlib>
#include <iostream>

#include <windows.h>

#include "frontend/CommandLine.h"
#include "frontend/DeviceFolder.h"
#include "frontend/desktop/RunDesktop.h"
#include "host/DeviceHost.h"
#include "host/GremlinRun.h"
#include "host/HeadlessRun.h"
#include "resources/Resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace {

const wchar_t kProgramPath[] = L"\\Windows\\Tesselink.exe";

void install_program(emu::DeviceHost& host) { host.install(kProgramPath, &WinMain, tesselink_resources()); }

// The device folder the run uses: the one asked for, the desktop's own, or none (a
// headless run then makes a temporary one).
std::optional<std::filesystem::path> device_folder(const emu::CommandLine& line) {
    if (line.device || line.headless) return line.device;
    return emu::default_device_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

int run_headless(const emu::CommandLine& line) {
    emu::HeadlessOptions options;
    options.device = line.device;
    options.script = line.script;
    if (line.screenshot) options.screenshot = *line.screenshot;
    if (line.log) options.log = *line.log;
    return emu::run_headless(options, install_program, kProgramPath, std::cout, std::cerr);
}

int run(const emu::CommandLine& line) {
    if (line.gremlins.requested) {
        auto options = line.gremlins;
        options.device = line.device;
        return emu::run_gremlins(options, install_program, kProgramPath, std::cout, std::cerr);
    }
    auto folder = device_folder(line);
    std::string error;
    if (line.reset_device && folder && !emu::reset_device_folder(*folder, error)) {
        std::cerr << "tesselink: " << error << "\n";
        return 1;
    }
    if (line.headless) return run_headless(line);
    if (!folder) {
        std::cerr << "tesselink: neither XDG_DATA_HOME nor HOME names a folder for the device; give --device\n";
        return 1;
    }
    if (auto status = emu::run_desktop({*folder, line.zoom, line.log, line.test_input}, install_program, kProgramPath,
                                       std::cerr))
        return *status;
    std::cout << "tesselink: no display, running headless\n";
    return run_headless(line);
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto line = emu::parse_command_line(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line) {
        std::cerr << "tesselink: " << error << "\n" << emu::usage();
        return 2;
    }
    if (line->help) {
        std::cout << emu::usage();
        return 0;
    }
    if (line->version) {
        std::cout << "tesselink " TESSELINK_VERSION "\n";
        return 0;
    }
    return run(*line);
}
