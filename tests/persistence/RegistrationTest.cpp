#include "PersistenceFixture.h"
#include "apps/StartupRegistration.h"

namespace {

const wchar_t kProgramKey[] = L"Software\\Amberlow\\TSL";
const wchar_t kKey4[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4";

std::wstring shell_key(int number) { return L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C" + std::to_wstring(number); }

TEST_F(PersistenceTest, TheStartMenuDirectoryGainsABackslashAndMustLeaveRoomForTheShortcutCommand) {
    EXPECT_FALSE(ReadStartMenuDirectory());  // no value: nothing is written either
    EXPECT_EQ(appState.startMenuDirectory, nullptr);
    EXPECT_TRUE(device.log.events("registry-set").empty());
    EXPECT_FALSE(std::filesystem::exists(host("Windows/tslink.opt")));
    EXPECT_FALSE(std::filesystem::exists(host("Windows/tslink.lst")));

    // The quoted command is two quotes, the directory with its backslash and "Tesselink.lnk".
    const size_t longest = MAX_PATH - 1 - 2 - 1 - 13;
    const struct {
        std::wstring value;
        bool read;
        std::wstring directory, command;
    } cases[] = {
        {L"\\Windows\\Start Menu", true, L"\\Windows\\Start Menu\\", L"\"\\Windows\\Start Menu\\Tesselink.lnk\""},
        {L"\\Windows\\Start Menu\\", true, L"\\Windows\\Start Menu\\\\", L"\"\\Windows\\Start Menu\\\\Tesselink.lnk\""},
        {L"\\" + std::wstring(longest - 1, L'd'), true, L"\\" + std::wstring(longest - 1, L'd') + L"\\",
         L"\"\\" + std::wstring(longest - 1, L'd') + L"\\Tesselink.lnk\""},
        {L"\\" + std::wstring(longest, L'd'), false, L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.size());
        set_text(HKEY_CURRENT_USER, kProgramKey, L"SD17", c.value);
        ASSERT_EQ(ReadStartMenuDirectory(), c.read);
        if (!c.read) continue;
        EXPECT_EQ(std::wstring(appState.startMenuDirectory), c.directory);
        FormShortcutCommand();
        EXPECT_EQ(std::wstring(appState.shortcutCommand), c.command);
    }
}

TEST_F(PersistenceTest, Key4HoldsTheProgramDuringARunAndItsFactoryCommandAfterWhenItHasOne) {
    set_text(HKEY_LOCAL_MACHINE, shell_key(1).c_str(), L"ResetCmd", L"\"\\Windows\\calendar.exe\"");
    set_text(HKEY_LOCAL_MACHINE, shell_key(3).c_str(), L"ResetCmd", L"\"\\Windows\\inbox.exe\"");
    ReadSavedResetCommands();
    EXPECT_EQ(std::wstring(appState.resetCommands[0]), L"\"\\Windows\\calendar.exe\"");
    EXPECT_EQ(appState.resetCommands[1], nullptr);
    EXPECT_EQ(std::wstring(appState.resetCommands[2]), L"\"\\Windows\\inbox.exe\"");
    EXPECT_EQ(appState.resetCommands[3], nullptr);
    EXPECT_NE(device.registry->find(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C2"), nullptr);

    const std::wstring program = L"\"\\Windows\\Start Menu\\Tesselink.lnk\"";
    ASSERT_TRUE(AssignKey4(program.c_str()));
    EXPECT_EQ(registry_text(kKey4, L""), program);
    RestoreKey4();  // without a factory command key 4 keeps the program
    EXPECT_EQ(registry_text(kKey4, L""), program);
    set_text(HKEY_LOCAL_MACHINE, shell_key(4).c_str(), L"ResetCmd", L"\"\\Windows\\tasks.exe\"");
    ReadSavedResetCommands();
    RestoreKey4();
    EXPECT_EQ(registry_text(kKey4, L""), L"\"\\Windows\\tasks.exe\"");
    EXPECT_EQ(device.registry->open_handles(), 0u);
}

}  // namespace
