// Shortcut files ("NN#command") and the cutting of command lines.
#include <gtest/gtest.h>

#include "shell/Shortcut.h"

using emu::parse_shortcut;
using emu::split_command;

TEST(ShortcutFile, CountsTheCommandAfterTheHash) {
    EXPECT_EQ(parse_shortcut("23#\"\\Windows\\iexplore.exe\""), L"\"\\Windows\\iexplore.exe\"");
    EXPECT_EQ(parse_shortcut("35#\"\\Windows\\ctlpnl.exe\" cplmain.cpl,4"), L"\"\\Windows\\ctlpnl.exe\" cplmain.cpl,4");
    EXPECT_EQ(parse_shortcut("17#\\Windows\\calc.exe"), L"\\Windows\\calc.exe");
}

TEST(ShortcutFile, IgnoresWhatFollowsTheCountedCommand) {
    EXPECT_EQ(parse_shortcut("17#\\Windows\\calc.exe\r\n"), L"\\Windows\\calc.exe");
    EXPECT_EQ(parse_shortcut("8#\\Windows\\calc.exe"), L"\\Windows");
}

TEST(ShortcutFile, ReadsTheDevicesCodePage) {
    EXPECT_EQ(parse_shortcut("9#\\Caf\xE9.exe"), L"\\Caf\u00E9.exe");
    EXPECT_EQ(parse_shortcut("2#\x80x"), L"\u20ACx");
}

TEST(ShortcutFile, RefusesDamagedFiles) {
    for (const char* damaged : {"", "#\\Windows\\calc.exe", "17\\Windows\\calc.exe", "x17#\\Windows\\calc.exe",
                                "18#\\Windows\\calc.exe", "0#", "0#\\Windows\\calc.exe", "99999999999999999999#x",
                                "3#a\nb", " 3#abc"})
        EXPECT_FALSE(parse_shortcut(damaged)) << damaged;
    EXPECT_FALSE(parse_shortcut(std::string_view("3#a\0b", 5)));
}

TEST(CommandLine, AQuotedPathRunsToItsClosingQuote) {
    auto parts = split_command(L"  \"\\Windows\\Start Menu\\Notes.lnk\"  ");
    EXPECT_EQ(parts.path, L"\\Windows\\Start Menu\\Notes.lnk");
    EXPECT_EQ(parts.arguments, L"");
    parts = split_command(L"\"\\Windows\\ctlpnl.exe\"cplmain.cpl,4");
    EXPECT_EQ(parts.path, L"\\Windows\\ctlpnl.exe");
    EXPECT_EQ(parts.arguments, L"cplmain.cpl,4");
    EXPECT_EQ(split_command(L"\"\\Windows\\open ended").path, L"\\Windows\\open ended");
}

TEST(CommandLine, AnUnquotedPathEndsAtTheFirstSpace) {
    auto parts = split_command(L"\\Windows\\ctlpnl.exe   cplmain.cpl,4 more ");
    EXPECT_EQ(parts.path, L"\\Windows\\ctlpnl.exe");
    EXPECT_EQ(parts.arguments, L"cplmain.cpl,4 more");
    EXPECT_EQ(split_command(L"").path, L"");
    EXPECT_EQ(split_command(L"\"\"").path, L"");
}
