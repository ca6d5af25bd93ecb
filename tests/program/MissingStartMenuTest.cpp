// Without the Start Menu directory in the registry the program reports it in a message
// box, waits for the answer, and ends.
#include <gtest/gtest.h>

#include "ProgramDevice.h"

TEST(MissingStartMenu, TheProgramWaitsOnItsErrorBoxAndEndsOnceItIsAnswered) {
    test::ProgramDevice device;
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
    const auto boxes = device.device().log.events("message-box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].number("answer"), IDOK);
}
