// Shortcut files ("NN#command") and the cutting of command lines.
#include <gtest/gtest.h>

#include "kernel/EventLog.h"
#include "shell/Shortcut.h"

using emu::parse_shortcut;
using emu::split_command;

TEST(ShortcutFile, ReadsTheCountedCommandInTheDevicesCodePageAndRefusesDamagedFiles) {
    const std::pair<std::string_view, std::optional<std::wstring>> cases[] = {
        {"23#\"\\Windows\\iexplore.exe\"", L"\"\\Windows\\iexplore.exe\""},
        {"35#\"\\Windows\\ctlpnl.exe\" cplmain.cpl,4", L"\"\\Windows\\ctlpnl.exe\" cplmain.cpl,4"},
        {"17#\\Windows\\calc.exe\r\n", L"\\Windows\\calc.exe"},
        {"8#\\Windows\\calc.exe", L"\\Windows"},
        {"9#\\Caf\xE9.exe", L"\\Caf\u00E9.exe"},
        {"2#\x80x", L"\u20ACx"},
    };
    for (const auto& [bytes, command] : cases) EXPECT_EQ(parse_shortcut(bytes), command) << bytes;
    for (const char* damaged : {"", "#\\Windows\\calc.exe", "17\\Windows\\calc.exe", "x17#\\Windows\\calc.exe",
                                "18#\\Windows\\calc.exe", "0#", "0#\\Windows\\calc.exe", "99999999999999999999#x",
                                "3#a\nb", " 3#abc"})
        EXPECT_FALSE(parse_shortcut(damaged)) << damaged;
    EXPECT_FALSE(parse_shortcut(std::string_view("3#a\0b", 5)));
}

// A quoted path runs to its closing quote (or the end), an unquoted one to the first space.
TEST(CommandLine, SplitsThePathFromItsArguments) {
    const struct {
        const wchar_t *command, *path, *arguments;
    } cases[] = {
        {L"  \"\\Windows\\Start Menu\\Notes.lnk\"  ", L"\\Windows\\Start Menu\\Notes.lnk", L""},
        {L"\"\\Windows\\ctlpnl.exe\"cplmain.cpl,4", L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,4"},
        {L"\"\\Windows\\open ended", L"\\Windows\\open ended", L""},
        {L"\\Windows\\ctlpnl.exe   cplmain.cpl,4 more ", L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,4 more"},
        {L"", L"", L""},
        {L"\"\"", L"", L""},
    };
    for (const auto& c : cases) {
        auto parts = split_command(c.command);
        EXPECT_EQ(parts.path, c.path) << emu::utf8(c.command);
        EXPECT_EQ(parts.arguments, c.arguments) << emu::utf8(c.command);
    }
}
