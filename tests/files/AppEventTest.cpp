#include "FilesFixture.h"

#include <notify.h>

#include "files/AppEvents.h"

namespace {

// Registrations are kept in the image in their order, once each; NOTIFICATION_EVENT_NONE
// removes every one of the application, named in any case; bad requests change nothing.
TEST_F(FilesTest, WakeUpRegistrationsAreKeptInTheImageAndLogged) {
    WCHAR app[] = L"\"\\Windows\\Start Menu\\Tesselink.lnk\"", same_app[] = L"\"\\WINDOWS\\start menu\\tesselink.LNK\"";
    WCHAR other[] = L"\\Windows\\other.exe", empty[] = L"", two_lines[] = L"a\nb";
    EXPECT_FALSE(CeRunAppAtEvent(app, 99));
    for (WCHAR* bad : {empty, two_lines, static_cast<WCHAR*>(nullptr)})
        EXPECT_FALSE(CeRunAppAtEvent(bad, NOTIFICATION_EVENT_WAKEUP));
    EXPECT_TRUE(device.log.events("run-app-at-event").empty());
    for (auto [name, event] : {std::pair{app, NOTIFICATION_EVENT_WAKEUP}, {same_app, NOTIFICATION_EVENT_WAKEUP},
                               {other, NOTIFICATION_EVENT_WAKEUP}, {app, NOTIFICATION_EVENT_ON_AC_POWER}})
        ASSERT_TRUE(CeRunAppAtEvent(name, event));
    EXPECT_EQ(emu::registered_wakeup_apps(device), (std::vector<std::wstring>{same_app, other}));
    EXPECT_EQ(bytes_of(".device/notifications.txt"),
              "11 \"\\WINDOWS\\start menu\\tesselink.LNK\"\n11 \\Windows\\other.exe\n3 "
              "\"\\Windows\\Start Menu\\Tesselink.lnk\"\n");
    auto events = device.log.events("run-app-at-event");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].text("app"), "\"\\Windows\\Start Menu\\Tesselink.lnk\"");
    EXPECT_EQ(events[0].number("event"), 11);

    ASSERT_TRUE(CeRunAppAtEvent(app, NOTIFICATION_EVENT_NONE));
    auto left = emu::app_event_registrations(device);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].application, other);
}

}  // namespace
