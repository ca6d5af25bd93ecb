// Hardware keys reach a program that took them while it is in front; otherwise the shell
// runs the command the registry assigns to the key. Other keys go to the focus window.
#include "ShellTest.h"

#include <gx.h>

#include "support/TestWindow.h"

namespace shell_test {
namespace {

std::vector<WPARAM> g_keys;

LRESULT CALLBACK KeyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) g_keys.push_back(wParam);
    return DefWindowProc(window, message, wParam, lParam);
}

class HardwareKeys : public ShellTest {
protected:
    // A program with a window in front, which takes the keys through GAPI when asked.
    void run_program(const wchar_t* title, bool takes_keys) {
        device.run([title, takes_keys] {
            test::MakeWindow(title, WS_VISIBLE, 0, 26, 240, 294, nullptr, KeyWindow);
            if (takes_keys) GXOpenInput();
            MSG msg;
            while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
        });
    }

    std::string routed_to() { return events("hardware-key").back().text("to"); }
};

TEST_F(HardwareKeys, TheShellRunsTheAssignedCommandUnlessAProgramInFrontTookTheKeysAndOtherKeysGoToTheFocus) {
    run_program(L"Keys", false);
    host().key(VK_UP);
    host().key(VK_RETURN);
    host().key(VK_APP1);
    host().key(VK_APP5);
    EXPECT_EQ(g_keys, (std::vector<WPARAM>{VK_UP, VK_RETURN}));
    EXPECT_EQ(events("hardware-key").size(), 4u);
    EXPECT_EQ(routed_to(), "shell");
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\calendar.exe", "\\Windows\\notes.exe"}));
    EXPECT_EQ(events("shell-execute")[0].text("file"), "\"\\Windows\\Start Menu\\Calendar.lnk\"");
    // A key without a command does nothing.
    device.run([] {
        HKEY key;
        RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4", 0, nullptr, 0, 0, nullptr, &key,
                       nullptr);
        RegSetValueEx(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(WCHAR));
        RegCloseKey(key);
    });
    host().key(VK_APP4);
    EXPECT_EQ(events("shell-execute").size(), 2u);

    // A program that took the keys gets them only while it is in front.
    g_keys.clear();
    run_program(L"Game", true);
    host().key(VK_APP1);
    EXPECT_EQ(g_keys, std::vector<WPARAM>{VK_APP1});
    EXPECT_EQ(routed_to(), "program");
    EXPECT_EQ(events("hardware-key").back().number("vk"), VK_APP1);
    EXPECT_EQ(started().size(), 2u);
    open(L"\\Windows\\calc.exe");
    host().key(VK_APP2);
    EXPECT_EQ(g_keys.size(), 1u);
    EXPECT_EQ(routed_to(), "shell");
    EXPECT_EQ(started().back(), "\\Windows\\contacts.exe");
}

}  // namespace
}  // namespace shell_test
