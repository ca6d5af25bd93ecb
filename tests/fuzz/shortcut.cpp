// Any bytes either fail to read as a shortcut or give a command of exactly the counted
// length, free of control characters, whose parts hold no quote at their edges.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/Shortcut.h"

namespace {

void check_parts(std::wstring_view command) {
    auto parts = emu::split_command(command);
    if (parts.path.size() + parts.arguments.size() > command.size()) __builtin_trap();
    auto edged = [](const std::wstring& text) {
        return !text.empty() && (text.front() == L' ' || text.back() == L' ');
    };
    if (edged(parts.path) || edged(parts.arguments)) __builtin_trap();
    if (!command.empty() && command.front() == L'"' && parts.path.find(L'"') != std::wstring::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto command = emu::parse_shortcut(bytes);
    if (!command) return 0;
    auto hash = bytes.find('#');
    if (command->empty() || hash == std::string_view::npos || std::stoul(std::string(bytes.substr(0, hash))) != command->size())
        __builtin_trap();
    for (wchar_t c : *command)
        if (c < 0x20) __builtin_trap();
    check_parts(*command);
    return 0;
}
