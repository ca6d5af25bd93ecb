// How the panel words the device's events.
#include <gtest/gtest.h>

#include "frontend/desktop/EventLine.h"

namespace {

using emu::Event;
using emu::desktop::event_line;
using emu::desktop::EventKind;

TEST(EventLine, TimeIsSecondsToTheMillisecond) {
    EXPECT_EQ(event_line(Event{7, "debug", {}}).time, L"0.007");
    EXPECT_EQ(event_line(Event{61234, "debug", {}}).time, L"61.234");
}

TEST(EventLine, FieldsOfEveryTypeAreNamedAndSpelledOut) {
    Event event{0, "shell-execute", {{"file", std::string("\\Windows\\Start Menu\\Caf\xc3\xa9.lnk")}, {"ok", true},
                                     {"code", -3LL}}};
    auto line = event_line(event);
    EXPECT_EQ(line.name, L"shell-execute");
    EXPECT_EQ(line.details, L"file=\\Windows\\Start Menu\\Caf\u00e9.lnk  ok=yes  code=-3");
    EXPECT_EQ(line.kind, EventKind::Launch);
}

TEST(EventLine, KindsColourWhatTheOwnerLooksFor) {
    EXPECT_EQ(event_line(Event{0, "beep", {}}).kind, EventKind::Sound);
    EXPECT_EQ(event_line(Event{0, "registry-set", {}}).kind, EventKind::Settings);
    EXPECT_EQ(event_line(Event{0, "backlight", {}}).kind, EventKind::Display);
    EXPECT_EQ(event_line(Event{0, "fixme", {}}).kind, EventKind::Problem);
    EXPECT_EQ(event_line(Event{0, "something-new", {}}).kind, EventKind::Other);
}

}  // namespace
