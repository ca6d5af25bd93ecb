// CreateProcess: the control-panel host, installed modules and missing programs.
#include "ShellTest.h"

namespace shell_test {
namespace {

class CreateProcessTest : public ShellTest {
protected:
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

TEST_F(CreateProcessTest, TheControlPanelHostShowsTheAppletItsCommandLineNames) {
    const std::pair<int, const wchar_t*> applets[] = {{1, L"Password"}, {3, L"Power"}, {10, L"Remove Programs"},
                                                      {13, L"Today"},   {15, L"Beam"},  {18, L"Regional"}};
    for (auto [number, name] : applets) {
        auto command = L"cplmain.cpl," + std::to_wstring(number);
        EXPECT_TRUE(create(L"\\Windows\\ctlpnl.exe", command.c_str()));
        EXPECT_NE(program_window(name), nullptr) << number;
    }
    auto applet_events = events("control-panel");
    ASSERT_EQ(applet_events.size(), 6u);
    EXPECT_EQ(applet_events[1].number("applet"), 3);
    EXPECT_EQ(applet_events[1].text("name"), "Power");
    auto logged = events("create-process");
    EXPECT_EQ(logged[5].text("path"), "\\Windows\\ctlpnl.exe");
    EXPECT_EQ(logged[5].text("args"), "cplmain.cpl,18");
    EXPECT_EQ(std::get<bool>(*logged[5].field("ok")), true);
}

TEST_F(CreateProcessTest, WithoutAKnownAppletTheSettingsWindowOpens) {
    EXPECT_TRUE(create(L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,14"));
    EXPECT_NE(program_window(L"Settings"), nullptr);
    EXPECT_TRUE(events("control-panel").empty());
}

TEST_F(CreateProcessTest, AMissingProgramOrAFileThatIsNoneFails) {
    DWORD error = 0;
    EXPECT_FALSE(create(L"\\Windows\\missing.exe", L"", &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(create(L"\\Windows\\Start Menu\\Notes.lnk", nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_BAD_FORMAT));
    EXPECT_FALSE(create(nullptr, nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(started().empty());
    EXPECT_EQ(std::get<bool>(*events("create-process")[0].field("ok")), false);
}

TEST_F(CreateProcessTest, AnInstalledModuleRunsAgainAsANewProcessWithItsArguments) {
    install_program();
    EXPECT_TRUE(create(L"\\windows\\tesselink.exe", L"-first"));
    EXPECT_TRUE(create(nullptr, L"\"\\Windows\\Tesselink.exe\" -second"));
    EXPECT_EQ(InstalledProgram::starts(), 2);
    EXPECT_EQ(InstalledProgram::command_line(), L"-second");
}

TEST_F(CreateProcessTest, ItsProcessHandleIsSignalledOnceTheProgramEnds) {
    PROCESS_INFORMATION information{};
    ASSERT_TRUE(create(L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,4", nullptr, &information));
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

}  // namespace
}  // namespace shell_test
