// Hardware keys reach a program that took them while it is in front; otherwise the shell
// runs the command the registry assigns to the key.
#include "ShellTest.h"

#include <gx.h>

namespace shell_test {
namespace {

std::vector<WPARAM> g_keys;

LRESULT CALLBACK KeyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) g_keys.push_back(wParam);
    return DefWindowProc(window, message, wParam, lParam);
}

class HardwareKeys : public ShellTest {
protected:
    HardwareKeys() { g_keys.clear(); }

    // A program with a window in front, which takes the keys through GAPI when asked.
    void run_program(bool takes_keys) {
        device.run([takes_keys] {
            WNDCLASS wc{};
            wc.lpfnWndProc = KeyWindow;
            wc.lpszClassName = L"KeyWindow";
            RegisterClass(&wc);
            CreateWindowEx(0, L"KeyWindow", L"Keys", WS_VISIBLE, 0, 26, 240, 294, nullptr, nullptr, nullptr, nullptr);
            if (takes_keys) GXOpenInput();
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }

    void assign_key4(const wchar_t* command) {
        device.run([command] {
            HKEY key;
            RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4", 0, nullptr, 0, 0, nullptr,
                           &key, nullptr);
            RegSetValueEx(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                          static_cast<DWORD>((wcslen(command) + 1) * sizeof(WCHAR)));
            RegCloseKey(key);
        });
    }

    std::string routed_to() {
        auto logged = events("hardware-key");
        return logged.empty() ? "" : logged.back().text("to");
    }
};

TEST_F(HardwareKeys, AProgramThatTookTheKeysGetsThemWhileInFront) {
    run_program(true);
    host().key(VK_APP1);
    EXPECT_EQ(g_keys, std::vector<WPARAM>{VK_APP1});
    EXPECT_EQ(routed_to(), "program");
    EXPECT_EQ(events("hardware-key")[0].number("vk"), VK_APP1);
    EXPECT_TRUE(started().empty());
}

TEST_F(HardwareKeys, OtherwiseTheShellRunsTheKeysAssignedCommand) {
    run_program(false);
    host().key(VK_APP1);
    host().key(VK_APP5);
    EXPECT_TRUE(g_keys.empty());
    EXPECT_EQ(routed_to(), "shell");
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\calendar.exe", "\\Windows\\notes.exe"}));
    EXPECT_EQ(events("shell-execute")[0].text("file"), "\"\\Windows\\Start Menu\\Calendar.lnk\"");
}

TEST_F(HardwareKeys, AProgramInTheBackgroundDoesNotGetThem) {
    run_program(true);
    open(L"\\Windows\\calc.exe");
    host().key(VK_APP2);
    EXPECT_TRUE(g_keys.empty());
    EXPECT_EQ(routed_to(), "shell");
    EXPECT_EQ(started().back(), "\\Windows\\contacts.exe");
}

TEST_F(HardwareKeys, Key4RunsTheProgramShortcutWhichStartsTheProgramAgain) {
    install_program();
    assign_key4(L"\"\\Windows\\Start Menu\\Tesselink.lnk\"");
    host().key(VK_APP4);
    host().key(VK_APP4);
    EXPECT_EQ(InstalledProgram::starts(), 2);
}

TEST_F(HardwareKeys, AKeyWithoutACommandDoesNothing) {
    assign_key4(L"");
    host().key(VK_APP4);
    EXPECT_EQ(routed_to(), "shell");
    EXPECT_TRUE(events("shell-execute").empty());
}

TEST_F(HardwareKeys, OtherKeysGoToTheFocusWindowAsBefore) {
    run_program(false);
    host().key(VK_UP);
    host().key(VK_RETURN);
    EXPECT_EQ(g_keys, (std::vector<WPARAM>{VK_UP, VK_RETURN}));
    EXPECT_TRUE(events("hardware-key").empty());
}

}  // namespace
}  // namespace shell_test
