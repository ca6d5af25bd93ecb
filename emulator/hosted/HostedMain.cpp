// main() of a hosted Win32 program: boots a fresh device, runs the program on it as
// \Windows\<executable name>.exe and exits with its exit code. No one taps the screen, so
// a message box is answered with its default button.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <span>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

// The program's icons; a program built with RESOURCES (cmake/Win32Program.cmake) defines its own.
__attribute__((weak)) std::span<const emu::ResourceBlob> hosted_program_resources() { return {}; }

int main(int, char** argv) {
    auto name = std::filesystem::path(argv[0]).filename().wstring();
    auto path = L"\\Windows\\" + name + L".exe";
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
