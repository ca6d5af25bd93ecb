#include "shell/Shortcut.h"

#include "kernel/CodePage1252.h"

namespace emu {

namespace {

// A count longer than any file the parser would be given; it also keeps the sum below
// from overflowing however many digits a damaged file holds.
constexpr std::size_t kLongestCount = 1 << 20;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::wstring_view trim(std::wstring_view text) {
    auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

std::optional<std::wstring> parse_shortcut(std::string_view bytes) {
    std::size_t count = 0, at = 0;
    for (; at < bytes.size() && is_digit(bytes[at]); ++at) {
        count = count * 10 + static_cast<std::size_t>(bytes[at] - '0');
        if (count > kLongestCount) return std::nullopt;
    }
    if (at == 0 || at >= bytes.size() || bytes[at] != '#') return std::nullopt;
    auto command = bytes.substr(at + 1);
    if (count == 0 || command.size() < count) return std::nullopt;
    std::wstring text;
    for (unsigned char byte : command.substr(0, count)) {
        if (byte < 0x20) return std::nullopt;
        text += from_code_page(byte);
    }
    return text;
}

CommandParts split_command(std::wstring_view command) {
    command = trim(command);
    std::size_t path_end, rest;
    if (!command.empty() && command.front() == L'"') {
        command.remove_prefix(1);
        path_end = command.find(L'"');
        rest = path_end == std::wstring_view::npos ? path_end : path_end + 1;
    } else {
        path_end = rest = command.find(L' ');
    }
    CommandParts parts{std::wstring(trim(command.substr(0, path_end))), L""};
    if (rest < command.size()) parts.arguments = trim(command.substr(rest));
    return parts;
}

}  // namespace emu
