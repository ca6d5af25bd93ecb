// The bar's hardware keys: each hides the bar, and keys 1 to 3 and 5 open a command
// through the shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "app/ApplicationState.h"
#include "apps/StartupRegistration.h"
#include "support/TestDevice.h"

namespace {

class HardwareKeysTest : public ::testing::Test {
protected:
    ~HardwareKeysTest() override {
        for (auto& command : appState.resetCommands) {
            delete[] command;
            command = nullptr;
        }
        appState.bar = nullptr;
    }

    void save_reset_command(int index, const std::wstring& command) {
        appState.resetCommands[index] = new WCHAR[command.size() + 1];
        command.copy(appState.resetCommands[index], command.size());
        appState.resetCommands[index][command.size()] = L'\0';
    }

    // Presses the key with the bar shown; answers whether the bar is still shown after it.
    bool press(UINT key) {
        bool shown = true;
        device.run([&] {
            WNDCLASS wc{};
            wc.lpfnWndProc = DefWindowProc;
            wc.lpszClassName = L"Tesselink";
            RegisterClass(&wc);
            appState.bar = CreateWindowEx(0, L"Tesselink", L"Tesselink", WS_VISIBLE, 0, 271, 240, 49, nullptr,
                                          nullptr, nullptr, nullptr);
            HardwareKeyPressed(key);
            shown = IsWindowVisible(appState.bar);
            DestroyWindow(appState.bar);
            UnregisterClass(L"Tesselink", nullptr);
        });
        return shown;
    }

    std::vector<std::string> opened() {
        std::vector<std::string> files;
        for (const auto& event : device.device().log.events("shell-execute")) files.push_back(event.text("file"));
        return files;
    }

    test::TestDevice device;
};

TEST_F(HardwareKeysTest, KeysOneToThreeHideTheBarAndOpenTheirFactoryCommands) {
    save_reset_command(0, L"\"\\Windows\\Start Menu\\Calendar.lnk\"");
    save_reset_command(2, L"\"\\Windows\\Start Menu\\Inbox.lnk\"");
    EXPECT_FALSE(press(VK_APP1));
    EXPECT_FALSE(press(VK_APP3));
    EXPECT_EQ(opened(), (std::vector<std::string>{"\"\\Windows\\Start Menu\\Calendar.lnk\"",
                                                  "\"\\Windows\\Start Menu\\Inbox.lnk\""}));
}

TEST_F(HardwareKeysTest, AKeyWithoutAFactoryCommandAndKeyFourOnlyHideTheBar) {
    EXPECT_FALSE(press(VK_APP2));
    EXPECT_FALSE(press(VK_APP4));
    EXPECT_TRUE(opened().empty());
}

TEST_F(HardwareKeysTest, KeyFiveOpensTheNotesShortcut) {
    EXPECT_FALSE(press(VK_APP5));
    EXPECT_EQ(opened(), (std::vector<std::string>{"\"\\Windows\\Start Menu\\Notes.lnk\""}));
}

TEST_F(HardwareKeysTest, OtherKeysDoNothing) {
    EXPECT_TRUE(press(VK_RETURN));
    EXPECT_TRUE(press(VK_APP6));
    EXPECT_TRUE(opened().empty());
}

}  // namespace
