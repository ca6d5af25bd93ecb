// main() of a hosted Win32 program: boots a fresh device, runs the program on it as
// \Windows\<executable name>.exe and exits with its exit code. No one taps the screen, so
// a message box is answered with its default button. With gremlin options (--gremlins,
// --seed, --events, --replay) it lets gremlins loose on the program instead.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <span>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/GremlinRun.h"
#include "host/TemporaryFolder.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

// The program's icons; a program built with RESOURCES (cmake/Win32Program.cmake) defines its own.
__attribute__((weak)) std::span<const emu::ResourceBlob> hosted_program_resources() { return {}; }

int main(int argc, char** argv) {
    auto name = std::filesystem::path(argv[0]).filename().wstring();
    auto path = L"\\Windows\\" + name + L".exe";
    emu::GremlinOptions gremlins;
    gremlins.command = argv[0];
    for (int i = 1; i < argc; i += 2)
        if (!emu::is_gremlin_option(argv[i]) || i + 1 >= argc || !emu::set_gremlin_option(gremlins, argv[i], argv[i + 1])) {
            std::cerr << argv[0] << ": bad option " << argv[i] << " (gremlin options take a value)\n";
            return 2;
        }
    if (gremlins.requested) {
        auto install = [&](emu::DeviceHost& host) { host.install(path, &WinMain, hosted_program_resources()); };
        return emu::run_gremlins(gremlins, install, path, std::cout, std::cerr);
    }
    emu::TemporaryFolder folder;
    std::string error;
    auto host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    if (!host) {
        std::cerr << argv[0] << ": " << error << "\n";
        return 1;
    }
    host->install(path, &WinMain, hosted_program_resources());
    // The program may start itself again; its exit code is that of the first process.
    auto first = host->inspect([](emu::Device& device) { return device.processes().size(); });
    host->start(path);
    if (!host->wait_for_exit(3600 * 1000, emu::DeviceHost::OpenBoxes::AnswerWithDefault)) {
        std::cerr << argv[0] << ": the program did not end\n";
        return 1;
    }
    std::fflush(stdout);
    return host->inspect([&](emu::Device& device) { return device.processes().at(first)->exit_code; });
}
