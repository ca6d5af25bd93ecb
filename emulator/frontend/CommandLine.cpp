#include "frontend/CommandLine.h"

#include <functional>
#include <map>

namespace emu {

namespace {

using ValueOption = std::function<bool(CommandLine&, const std::string&)>;

// Options that take a value; each stores it, or refuses it (false).
const std::map<std::string, ValueOption>& value_options() {
    static const std::map<std::string, ValueOption> options{
        {"--device", [](CommandLine& l, const std::string& v) { l.device = v; return true; }},
        {"--script", [](CommandLine& l, const std::string& v) { l.script = v; return true; }},
        {"--screenshot", [](CommandLine& l, const std::string& v) { l.screenshot = v; return true; }},
        {"--log", [](CommandLine& l, const std::string& v) { l.log = v; return true; }},
        {"--zoom", [](CommandLine& l, const std::string& v) {
             if (v.size() != 1 || v[0] < '1' || v[0] > '4') return false;
             l.zoom = v[0] - '0';
             return true;
         }},
        {"--test-input", [](CommandLine& l, const std::string& v) { l.test_input = v; return true; }},
    };
    return options;
}

const std::map<std::string, bool CommandLine::*>& flags() {
    static const std::map<std::string, bool CommandLine::*> flags{
        {"--headless", &CommandLine::headless}, {"--help", &CommandLine::help},
        {"-h", &CommandLine::help},             {"--version", &CommandLine::version},
        {"--reset-device", &CommandLine::reset_device}};
    return flags;
}

}  // namespace

const char* usage() {
    return "Usage: tesselink [options]\n"
           "Runs Tesselink on an emulated Pocket PC, in a window when a display is available.\n"
           "\n"
           "  --device DIR       the device folder (created from the built-in image when missing or empty;\n"
           "                     any other folder must hold a .device folder); the window's default is\n"
           "                     $XDG_DATA_HOME/tesselink/device, headless runs use a temporary one\n"
           "  --reset-device     restore the device folder to the built-in image first\n"
           "  --zoom N           screen zoom of the desktop window, 1 to 4 (default 2), or the\n"
           "                     largest below it that fits the display\n"
           "  --headless         run without a window (also when no display is available)\n"
           "  --script FILE      headless: run the device actions in FILE\n"
           "  --screenshot FILE  headless: where the final screenshot goes\n"
           "  --log FILE         the event log (JSON Lines), each event written as it happens\n"
           "  --gremlins COUNT   headless: run COUNT gremlins, each on a fresh copy of the device playing\n"
           "                     random taps, drags, keys and status changes, checking the device's\n"
           "                     invariants after each event; a failure leaves a replay script\n"
           "  --seed S           the first gremlin's seed (default 0; gremlin K uses S + K)\n"
           "  --events N         events per gremlin (default 10000)\n"
           "  --replay FILE      run a gremlin's script with the same checks\n"
           "  --test-input FILE  for tests: give the window the input in FILE (taps, panel clicks,\n"
           "                     keys, dropped files, pictures of the window), then close it\n"
           "  --help             show this text\n"
           "  --version          show the version\n";
}

std::optional<CommandLine> parse_command_line(const std::vector<std::string>& args, std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if (auto flag = flags().find(arg); flag != flags().end()) {
            line.*(flag->second) = true;
            continue;
        }
        auto option = value_options().find(arg);
        if (option == value_options().end() && !is_gremlin_option(arg)) {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = arg + (i + 1 >= args.size() ? " needs a value" : " needs a value, not an empty one");
            return std::nullopt;
        }
        const bool stored = option != value_options().end() ? option->second(line, args[++i])
                                                            : set_gremlin_option(line.gremlins, arg, args[++i]);
        if (!stored) {
            error = "bad value for " + arg + ": " + args[i];
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace emu
