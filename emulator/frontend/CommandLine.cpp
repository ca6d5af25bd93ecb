#include "frontend/CommandLine.h"

namespace emu {

const char* usage() {
    return "Usage: tesselink [options]\n"
           "Runs Tesselink on an emulated Pocket PC.\n"
           "\n"
           "  --device DIR       the device folder (created from the built-in image when missing or empty)\n"
           "  --reset-device     restore the device folder to the built-in image first\n"
           "  --zoom N           screen zoom of the desktop window, 1 to 4 (default 2)\n"
           "  --headless         run without a window (also when no display is available)\n"
           "  --script FILE      headless: run the device actions in FILE\n"
           "  --screenshot FILE  headless: where the final screenshot goes\n"
           "  --log FILE         headless: where the event log goes (JSON Lines)\n"
           "  --help             show this text\n"
           "  --version          show the version\n";
}

std::optional<CommandLine> parse_command_line(const std::vector<std::string>& args, std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == "--headless") line.headless = true;
        else if (arg == "--help" || arg == "-h") line.help = true;
        else if (arg == "--version") line.version = true;
        else if (arg == "--reset-device") line.reset_device = true;
        else if (arg == "--device" || arg == "--script" || arg == "--screenshot" || arg == "--log" || arg == "--zoom") {
            auto v = value();
            if (!v) return std::nullopt;
            if (arg == "--device") line.device = *v;
            else if (arg == "--script") line.script = *v;
            else if (arg == "--screenshot") line.screenshot = *v;
            else if (arg == "--log") line.log = *v;
            else if (*v == "1" || *v == "2" || *v == "3" || *v == "4") line.zoom = std::stoi(*v);
            else {
                error = "--zoom takes 1, 2, 3 or 4";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace emu
