// tesselink: the emulated Pocket PC running Tesselink.
#include <iostream>

#include <windows.h>

#include "frontend/CommandLine.h"
#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "resources/Resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace {

const wchar_t kProgramPath[] = L"\\Windows\\Tesselink.exe";

void install_program(emu::DeviceHost& host) { host.install(kProgramPath, &WinMain, tesselink_resources()); }

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
    emu::HeadlessOptions options;
    options.device = line->device;
    options.script = line->script;
    if (line->screenshot) options.screenshot = *line->screenshot;
    if (line->log) options.log = *line->log;
    if (!line->headless) std::cout << "tesselink: no display, running headless\n";
    return emu::run_headless(options, install_program, kProgramPath, std::cout, std::cerr);
}
