// Any script either parses into actions that each name a line of the text, or is refused
// naming one of its lines.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "host/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::string error;
    auto script = emu::Script::parse(in, "s", error);
    const auto lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (!script) {
        if (error.rfind("s:", 0) != 0) __builtin_trap();
        const long line = std::strtol(error.c_str() + 2, nullptr, 10);
        if (line < 1 || line > lines) __builtin_trap();
        return 0;
    }
    for (const auto& action : script->actions())
        if (action.line < 1 || action.line > lines || action.verb.empty()) __builtin_trap();
    return 0;
}
