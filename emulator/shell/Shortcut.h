#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace emu {

// Reads a shortcut file: "NN#command", where NN (decimal) counts the characters of the
// command after '#', and the command may be quoted and carry arguments
// (23#"\Windows\iexplore.exe"). The bytes are in the device's code page. Anything after
// the counted characters (a trailing line break) is ignored. Null when the count is
// missing or larger than what follows, the command is empty, or it holds a control
// character, so a damaged file never yields a half command.
std::optional<std::wstring> parse_shortcut(std::string_view bytes);

// A command line cut into the program or file it names and the arguments after it.
struct CommandParts {
    std::wstring path;
    std::wstring arguments;
};

// A quoted path runs to its closing quote (or the end of the text); an unquoted one to
// the first space. Spaces around the parts are dropped.
CommandParts split_command(std::wstring_view command);

}  // namespace emu
