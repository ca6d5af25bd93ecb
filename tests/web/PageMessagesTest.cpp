// What the web front-end's thread hears (its inbox) and what it tells the page of the
// event log (JSON the page parses).
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "frontend/web/EventJson.h"
#include "frontend/web/PageInbox.h"

namespace {

using emu::Event;
using emu::web::PageInbox;
using emu::web::PageMessage;
using Kind = PageMessage::Kind;

// Quotes, backslashes and control characters are escaped, other text passes as UTF-8,
// and each line carries its kind.
TEST(EventJson, LinesAreEscapedJsonWithTheirKind) {
    EXPECT_EQ(emu::web::event_lines_json({}), "[]");
    const std::vector<Event> events{
        {1500, "debug", {{"text", std::string("say \"hi\"\\\n\x01 caf\xc3\xa9")}}},
        {2, "beep", {{"ok", true}}},
    };
    EXPECT_EQ(emu::web::event_lines_json(events),
              "[{\"time\":\"1.500\",\"name\":\"debug\",\"details\":\"text=say \\\"hi\\\"\\\\\\u000a\\u0001 caf\xc3\xa9\","
              "\"kind\":\"other\"},"
              "{\"time\":\"0.002\",\"name\":\"beep\",\"details\":\"ok=yes\",\"kind\":\"sound\"}]");
}

std::vector<Kind> drain(PageInbox& inbox, std::size_t count) {
    std::vector<Kind> kinds;
    while (kinds.size() < count) kinds.push_back(inbox.take().kind);
    return kinds;
}

// The page's input is kept in order, every message of it; a device signal already
// waiting is not queued again until it has been taken.
TEST(PageInbox, InputKeptInOrderAndWaitingSignalsNotRepeated) {
    PageInbox inbox;
    for (auto kind : {Kind::DeviceRan, Kind::PointerDown, Kind::DeviceRan, Kind::LogChanged, Kind::PointerMove,
                      Kind::PointerMove, Kind::LogChanged, Kind::PointerUp})
        inbox.post({kind});
    EXPECT_EQ(drain(inbox, 6), (std::vector{Kind::DeviceRan, Kind::PointerDown, Kind::LogChanged, Kind::PointerMove,
                                            Kind::PointerMove, Kind::PointerUp}));
    inbox.post({Kind::DeviceRan});
    inbox.post({Kind::End, 1});
    EXPECT_EQ(drain(inbox, 2), (std::vector{Kind::DeviceRan, Kind::End}));
}

// The front-end's thread sleeps in take() until another thread posts.
TEST(PageInbox, TakeWaitsForAPost) {
    PageInbox inbox;
    PageMessage taken{Kind::LostFocus};
    std::thread front_end([&] { taken = inbox.take(); });
    inbox.post({Kind::Zoom, 3});
    front_end.join();
    EXPECT_EQ(taken.kind, Kind::Zoom);
    EXPECT_EQ(taken.value, 3);
}

}  // namespace
