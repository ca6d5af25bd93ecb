// ShellExecuteEx and CreateProcess: shortcuts, programs, command lines, folders, documents,
// the control-panel host and installed modules.
#include <fstream>

#include "ShellTest.h"

namespace shell_test {
namespace {

class ShellExecute : public ShellTest {
protected:
    void write_device_file(const char* path, const std::string& bytes) {
        std::ofstream(device.folder() / path, std::ios::binary) << bytes;
    }

    bool create(const wchar_t* path, const wchar_t* arguments, DWORD* error = nullptr,
                PROCESS_INFORMATION* information = nullptr) {
        BOOL ok = FALSE;
        device.run([&] {
            std::wstring line = arguments ? arguments : L"";
            ok = CreateProcess(path, arguments ? line.data() : nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               nullptr, information);
            if (error) *error = GetLastError();
        });
        return ok;
    }
};

TEST_F(ShellExecute, OpensShortcutsProgramsCommandLinesFoldersAndDocuments) {
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Calendar.lnk"));
    EXPECT_NE(program_window(L"Calendar"), nullptr);
    auto logged = events("shell-execute");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].text("file"), "\\Windows\\Start Menu\\Calendar.lnk");
    EXPECT_EQ(std::get<bool>(*logged[0].field("ok")), true);
    EXPECT_TRUE(open(L"\"\\Windows\\Start Menu\\Notes.lnk\""));
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Web Browser.lnk"));
    EXPECT_TRUE(open(L"  \"\\Windows\\ctlpnl.exe\" cplmain.cpl,4"));
    EXPECT_NE(program_window(L"Memory"), nullptr);
    EXPECT_TRUE(open(L"calc.exe"));
    EXPECT_TRUE(open(L"\\My Documents"));
    EXPECT_TRUE(open(L"\\my documents\\welcome.TXT"));
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\calendar.exe", "\\Windows\\notes.exe",
                                                   "\\Windows\\iexplore.exe", "\\Windows\\ctlpnl.exe",
                                                   "\\Windows\\calc.exe", "\\Windows\\fexplore.exe",
                                                   "\\Windows\\pword.exe"}));
}

TEST_F(ShellExecute, FailuresNameTheirCauseAndStartNothing) {
    std::string loop = "\"\\My Documents\\Loop.lnk\"";
    write_device_file("My Documents/Loop.lnk", std::to_string(loop.size()) + "#" + loop);
    write_device_file("My Documents/Cut.lnk", "40#\"\\Windows\\calc.exe\"");
    write_device_file("My Documents/data.bin", "\x01\x02");
    write_device_file("My Documents/tool.exe", "not a program");
    const std::pair<const wchar_t*, DWORD> cases[] = {
        {L"\\Windows\\nothing.exe", ERROR_FILE_NOT_FOUND},  {L"\"\\Windows\\Start Menu\\Gone.lnk\"", ERROR_FILE_NOT_FOUND},
        {L"", ERROR_FILE_NOT_FOUND},                        {L"\"\"", ERROR_FILE_NOT_FOUND},
        {L"\\My Documents\\Loop.lnk", ERROR_BAD_FORMAT},    {L"\\My Documents\\Cut.lnk", ERROR_BAD_FORMAT},
        {L"\\My Documents\\data.bin", ERROR_NO_ASSOCIATION}, {L"\\Windows\\ppcutil.dll", ERROR_NO_ASSOCIATION},
        {L"\\My Documents\\tool.exe", ERROR_BAD_FORMAT},
    };
    for (auto [file, expected] : cases) {
        DWORD error = 0;
        EXPECT_FALSE(open(file, &error)) << emu::utf8(file);
        EXPECT_EQ(error, expected) << emu::utf8(file);
    }
    for (const auto& event : events("shell-execute")) EXPECT_EQ(std::get<bool>(*event.field("ok")), false);
    DWORD error = 0;
    EXPECT_FALSE(create(L"\\Windows\\missing.exe", L"", &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(create(L"\\Windows\\Start Menu\\Notes.lnk", nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_BAD_FORMAT));
    EXPECT_FALSE(create(nullptr, nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(std::get<bool>(*events("create-process")[0].field("ok")), false);
    EXPECT_TRUE(started().empty());
}

TEST_F(ShellExecute, TheControlPanelHostShowsTheAppletItsCommandLineNames) {
    const std::pair<int, const wchar_t*> applets[] = {{1, L"Password"}, {3, L"Power"}, {10, L"Remove Programs"},
                                                      {13, L"Today"},   {15, L"Beam"},  {18, L"Regional"}};
    for (auto [number, name] : applets) {
        EXPECT_TRUE(create(L"\\Windows\\ctlpnl.exe", (L"cplmain.cpl," + std::to_wstring(number)).c_str()));
        EXPECT_NE(program_window(name), nullptr) << number;
    }
    EXPECT_EQ(events("control-panel").size(), 6u);
    EXPECT_EQ(std::get<bool>(*events("create-process")[5].field("ok")), true);

    // Without a known applet the settings window opens; its process ends with its window.
    PROCESS_INFORMATION information{};
    ASSERT_TRUE(create(L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,14", nullptr, &information));
    EXPECT_NE(program_window(L"Settings"), nullptr);
    EXPECT_EQ(events("control-panel").size(), 6u);
    EXPECT_NE(information.dwProcessId, 0u);
    DWORD before = 0, after = 0;
    device.run([&] { before = WaitForSingleObject(information.hProcess, 0); });
    host().tap(kOkButton.x, kOkButton.y);
    device.run([&] {
        after = WaitForSingleObject(information.hProcess, 0);
        CloseHandle(information.hProcess);
        CloseHandle(information.hThread);
    });
    EXPECT_EQ(before, static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(after, static_cast<DWORD>(WAIT_OBJECT_0));
}

// The installed program starts anew each time: from its shortcut, quoted or not, from
// CreateProcess with its arguments, and from hardware key 4 when it runs that shortcut.
TEST_F(ShellExecute, TheInstalledProgramStartsAgainEachTime) {
    install_program();
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Tesselink.lnk"));
    EXPECT_TRUE(open(L"\"\\Windows\\Start Menu\\Tesselink.lnk\""));
    EXPECT_TRUE(create(L"\\windows\\tesselink.exe", L"-first"));
    EXPECT_TRUE(create(nullptr, L"\"\\Windows\\Tesselink.exe\" -second"));
    EXPECT_EQ(g_program_command_line, L"-second");
    device.run([] {
        HKEY key;
        RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4", 0, nullptr, 0, 0, nullptr, &key,
                       nullptr);
        const wchar_t command[] = L"\"\\Windows\\Start Menu\\Tesselink.lnk\"";
        RegSetValueEx(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
        RegCloseKey(key);
    });
    host().key(VK_APP4);
    host().key(VK_APP4);
    EXPECT_EQ(g_program_starts, 6);
    EXPECT_EQ(started().size(), 6u);
}

}  // namespace
}  // namespace shell_test
