// How the panel words the device's events.
#include <gtest/gtest.h>

#include "frontend/desktop/EventLine.h"

namespace {

using emu::Event;
using emu::desktop::event_line;
using emu::desktop::EventKind;

// The time in seconds to the millisecond, every field named and spelt out, and a kind
// that colours what the owner looks for.
TEST(EventLine, TimeFieldsAndKind) {
    EXPECT_EQ(event_line(Event{7, "debug", {}}).time, L"0.007");
    EXPECT_EQ(event_line(Event{61234, "debug", {}}).time, L"61.234");
    auto line = event_line(Event{0, "shell-execute", {{"file", std::string("\\Windows\\Start Menu\\Caf\xc3\xa9.lnk")},
                                                      {"ok", true}, {"code", -3LL}}});
    EXPECT_EQ(line.name, L"shell-execute");
    EXPECT_EQ(line.details, L"file=\\Windows\\Start Menu\\Caf\u00e9.lnk  ok=yes  code=-3");
    EXPECT_EQ(line.kind, EventKind::Launch);
    for (auto [name, kind] : {std::pair{"beep", EventKind::Sound}, {"registry-set", EventKind::Settings},
                              {"backlight", EventKind::Display}, {"fixme", EventKind::Problem},
                              {"something-new", EventKind::Other}})
        EXPECT_EQ(event_line(Event{0, name, {}}).kind, kind) << name;
}

}  // namespace
