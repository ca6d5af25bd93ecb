// Start-up and shutdown of the program: one instance, the bar window, the loop's end, and
// the error box without the Start Menu directory.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "window/WindowManager.h"

namespace {

class Startup : public ::testing::Test {
protected:
    test::ProgramDevice device;
};

}  // namespace

TEST_F(Startup, ASecondStartBringsTheRunningBarBackAndEndsAtOnce) {
    ASSERT_TRUE(device.start());
    HWND bar = device.bar();
    ASSERT_NE(bar, nullptr);
    device.run([&] { ShowWindow(bar, SW_HIDE); });
    auto windows_before = device.host().inspect([](emu::Device& d) { return d.windows->top_level().size(); });

    ASSERT_TRUE(device.start());
    auto second_exits = device.device().log.events("process-exit");
    ASSERT_EQ(second_exits.size(), 2u);  // the test body above and the second start
    EXPECT_EQ(second_exits.back().number("code"), 0);
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.windows->top_level().size(); }), windows_before);
    EXPECT_TRUE(device.host().inspect([&](emu::Device& d) {
        auto w = d.windows->window(bar);
        return d.windows->shown(*w) && d.windows->foreground() == w;
    }));
}

TEST_F(Startup, ABarClassThatCannotBeRegisteredIsReportedAndEndsTheProgram) {
    const HINSTANCE instance = device.instance_with(tesselink_resources());
    int code = -1;
    device.run([&] {  // the class is taken in the process the program then runs in
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = L"Tesselink";
        RegisterClass(&wc);
        code = WinMain(instance, nullptr, nullptr, SW_SHOW);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(device.bar(), nullptr);
    EXPECT_EQ(device.fields("debug", "text"), std::vector<std::string>{"RegisterClass Failed: Tesselink\n"});
}

// Without the Start Menu directory in the registry the program reports it in a message box,
// waits for the answer, and ends.
TEST_F(Startup, WithoutTheStartMenuDirectoryTheProgramWaitsOnItsErrorBoxAndEndsOnceItIsAnswered) {
    device.run([] {
        HKEY key = nullptr;
        RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL", 0, 0, &key);
        RegDeleteValue(key, L"SD17");
        RegCloseKey(key);
    });
    ASSERT_TRUE(device.start());
    auto box = device.host().message_box();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"ERROR");
    EXPECT_EQ(box->text, L"We can't find your 'Start Menu' system directory.");
    EXPECT_FALSE(device.host().exit_code(test::ProgramDevice::kPath)) << "the program waits on the box";

    ASSERT_TRUE(device.host().answer_message_box());
    EXPECT_TRUE(device.host().wait_for_exit());
    EXPECT_EQ(device.host().exit_code(test::ProgramDevice::kPath), 0);
    EXPECT_EQ(device.bar(), nullptr);
    EXPECT_EQ(device.fields("message-box", "answer"), std::vector<std::string>{std::to_string(IDOK)});
}
