#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/GremlinRun.h"

namespace emu {

// What the user asked of `tesselink`.
struct CommandLine {
    bool headless = false;
    bool help = false;
    bool version = false;
    bool reset_device = false;
    int zoom = 2;
    std::optional<std::filesystem::path> device;
    std::optional<std::filesystem::path> script;
    std::optional<std::filesystem::path> screenshot;
    std::optional<std::filesystem::path> log;
    GremlinOptions gremlins;
    std::optional<std::filesystem::path> test_input;  // the desktop's test hook (see TestInput)
};

// Null with `error` set for an unknown option or a bad value.
std::optional<CommandLine> parse_command_line(const std::vector<std::string>& args, std::string& error);
const char* usage();

}  // namespace emu
