// ShellExecuteEx: shortcuts, programs, command lines, folders and documents.
#include <fstream>

#include "ShellTest.h"

namespace shell_test {
namespace {

class ShellExecute : public ShellTest {
protected:
    void write_device_file(const char* path, const std::string& bytes) {
        std::ofstream(device.folder() / path, std::ios::binary) << bytes;
    }
};

TEST_F(ShellExecute, AShortcutRunsItsCommandAndShowsTheProgram) {
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Calendar.lnk"));
    EXPECT_EQ(started(), std::vector<std::string>{"\\Windows\\calendar.exe"});
    EXPECT_NE(program_window(L"Calendar"), nullptr);
    auto logged = events("shell-execute");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].text("file"), "\\Windows\\Start Menu\\Calendar.lnk");
    EXPECT_EQ(std::get<bool>(*logged[0].field("ok")), true);
}

TEST_F(ShellExecute, AcceptsQuotedCommandLinesAndUnquotedPathsWithSpaces) {
    EXPECT_TRUE(open(L"\"\\Windows\\Start Menu\\Notes.lnk\""));
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Web Browser.lnk"));
    EXPECT_TRUE(open(L"  \"\\Windows\\ctlpnl.exe\" cplmain.cpl,4"));
    EXPECT_TRUE(open(L"calc.exe"));
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\notes.exe", "\\Windows\\iexplore.exe",
                                                   "\\Windows\\ctlpnl.exe", "\\Windows\\calc.exe"}));
    EXPECT_NE(program_window(L"Memory"), nullptr);
}

TEST_F(ShellExecute, AMissingFileFailsWithFileNotFound) {
    for (const wchar_t* missing : {L"\\Windows\\nothing.exe", L"\"\\Windows\\Start Menu\\Gone.lnk\"", L"", L"\"\""}) {
        DWORD error = 0;
        EXPECT_FALSE(open(missing, &error));
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    }
    EXPECT_TRUE(started().empty());
    for (const auto& event : events("shell-execute")) EXPECT_EQ(std::get<bool>(*event.field("ok")), false);
}

TEST_F(ShellExecute, FoldersAndDocumentsOpenInTheirPrograms) {
    write_device_file("My Documents/data.bin", "\x01\x02");
    EXPECT_TRUE(open(L"\\My Documents"));
    EXPECT_TRUE(open(L"\\my documents\\welcome.TXT"));
    DWORD error = 0;
    EXPECT_FALSE(open(L"\\My Documents\\data.bin", &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_ASSOCIATION));
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\fexplore.exe", "\\Windows\\pword.exe"}));
}

TEST_F(ShellExecute, ADamagedOrLoopingShortcutFailsInsteadOfRunningAnything) {
    std::string loop = "\"\\My Documents\\Loop.lnk\"";
    write_device_file("My Documents/Loop.lnk", std::to_string(loop.size()) + "#" + loop);
    write_device_file("My Documents/Cut.lnk", "40#\"\\Windows\\calc.exe\"");
    for (const wchar_t* shortcut : {L"\\My Documents\\Loop.lnk", L"\\My Documents\\Cut.lnk"}) {
        DWORD error = 0;
        EXPECT_FALSE(open(shortcut, &error));
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_BAD_FORMAT));
    }
    EXPECT_TRUE(started().empty());
}

TEST_F(ShellExecute, TheProgramShortcutStartsTheInstalledProgramEachTime) {
    install_program();
    EXPECT_TRUE(open(L"\\Windows\\Start Menu\\Tesselink.lnk"));
    EXPECT_TRUE(open(L"\"\\Windows\\Start Menu\\Tesselink.lnk\""));
    EXPECT_EQ(InstalledProgram::starts(), 2);
    EXPECT_EQ(started().size(), 2u);
}

TEST_F(ShellExecute, AnExistingFileThatIsNoProgramIsRefused) {
    DWORD error = 0;
    EXPECT_FALSE(open(L"\\Windows\\ppcutil.dll", &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_ASSOCIATION));
    write_device_file("My Documents/tool.exe", "not a program");
    EXPECT_FALSE(open(L"\\My Documents\\tool.exe", &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_BAD_FORMAT));
}

}  // namespace
}  // namespace shell_test
