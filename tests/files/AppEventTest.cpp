#include "FilesFixture.h"

#include <notify.h>

#include "files/AppEvents.h"

namespace {

TEST_F(FilesTest, WakeUpRegistrationsAreKeptInTheImageAndLogged) {
    WCHAR app[] = L"\"\\Windows\\Start Menu\\Tesselink.lnk\"";
    WCHAR other[] = L"\\Windows\\other.exe";
    ASSERT_TRUE(CeRunAppAtEvent(app, NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(app, NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(other, NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(app, NOTIFICATION_EVENT_ON_AC_POWER));
    EXPECT_EQ(emu::registered_wakeup_apps(device), (std::vector<std::wstring>{app, other}));
    EXPECT_EQ(bytes_of(".device/notifications.txt"),
              "11 \"\\Windows\\Start Menu\\Tesselink.lnk\"\n11 \\Windows\\other.exe\n3 "
              "\"\\Windows\\Start Menu\\Tesselink.lnk\"\n");

    auto events = device.log.events("run-app-at-event");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].text("app"), "\"\\Windows\\Start Menu\\Tesselink.lnk\"");
    EXPECT_EQ(events[0].number("event"), 11);
}

TEST_F(FilesTest, EventNoneRemovesEveryRegistrationOfTheApplication) {
    WCHAR app[] = L"\"\\Windows\\Start Menu\\Tesselink.lnk\"";
    WCHAR same_app[] = L"\"\\WINDOWS\\start menu\\tesselink.LNK\"";
    WCHAR other[] = L"\\Windows\\other.exe";
    CeRunAppAtEvent(app, NOTIFICATION_EVENT_WAKEUP);
    CeRunAppAtEvent(app, NOTIFICATION_EVENT_ON_AC_POWER);
    CeRunAppAtEvent(other, NOTIFICATION_EVENT_WAKEUP);
    ASSERT_TRUE(CeRunAppAtEvent(same_app, NOTIFICATION_EVENT_NONE));
    auto left = emu::app_event_registrations(device);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].application, other);
}

TEST_F(FilesTest, UnknownEventsAndEmptyNamesAreRefused) {
    WCHAR app[] = L"\\Windows\\x.exe";
    WCHAR empty[] = L"";
    WCHAR two_lines[] = L"a\nb";
    EXPECT_FALSE(CeRunAppAtEvent(app, 99));
    EXPECT_FALSE(CeRunAppAtEvent(empty, NOTIFICATION_EVENT_WAKEUP));
    EXPECT_FALSE(CeRunAppAtEvent(two_lines, NOTIFICATION_EVENT_WAKEUP));
    EXPECT_FALSE(CeRunAppAtEvent(nullptr, NOTIFICATION_EVENT_WAKEUP));
    EXPECT_TRUE(device.log.events("run-app-at-event").empty());
}

}  // namespace
