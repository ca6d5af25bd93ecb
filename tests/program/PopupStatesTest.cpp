// The pop-up states of the bar: what each of the commands 3025, 3026 and 3027 leaves open
// from each state, and whether the bar is then full screen or docked; and however the
// configuration dialog closes, the bar takes over its autoload choice.
#include <gtest/gtest.h>

#include <array>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"
#include "files/AppEvents.h"

namespace {

using PopupState = std::array<int, 3>;  // whether the information, the configuration and the menu are open

struct Row {
    std::vector<UINT> setup;  // commands that lead to the state before
    UINT command;
    PopupState after;
};

const UINT kInfo = 3025, kConfig = 3026, kMenu = 3027;

class PopupStates : public ::testing::TestWithParam<Row> {};

}  // namespace

TEST_P(PopupStates, EachCommandLeavesTheStateOfTheTable) {
    const Row& row = GetParam();
    test::ProgramDevice device;
    ASSERT_TRUE(device.start());
    PopupState state{};
    RECT bar{};
    device.run([&] {
        for (UINT command : row.setup) SendMessage(appState.bar, command, 0, 0);
        SendMessage(appState.bar, row.command, 0, 0);
        state = {appState.infoOpen, appState.configOpen, appState.menuOpen};
        GetWindowRect(appState.bar, &bar);
    });
    EXPECT_EQ(state, row.after);
    EXPECT_EQ(bar.top, row.after == PopupState{} ? 271 : 0);
    EXPECT_EQ(bar.bottom, 320);
    // The dialogs keep their close buttons in globals: the orderly end deletes them before
    // the next test's program runs.
    device.host().shutdown();
}

INSTANTIATE_TEST_SUITE_P(InformationAndMenu, PopupStates,
                         ::testing::Values(Row{{}, kInfo, {1, 0, 0}}, Row{{}, kMenu, {0, 0, 1}},
                                           Row{{kInfo}, kInfo, {0, 0, 0}}, Row{{kInfo}, kMenu, {1, 0, 1}},
                                           Row{{kMenu}, kInfo, {1, 0, 0}}, Row{{kMenu}, kMenu, {0, 0, 0}},
                                           Row{{kInfo, kMenu}, kInfo, {0, 0, 0}},
                                           Row{{kInfo, kMenu}, kMenu, {1, 0, 0}}));

INSTANTIATE_TEST_SUITE_P(Configuration, PopupStates,
                         ::testing::Values(Row{{}, kConfig, {0, 1, 0}}, Row{{kInfo}, kConfig, {0, 1, 0}},
                                           Row{{kConfig}, kInfo, {1, 0, 0}}, Row{{kConfig}, kConfig, {0, 0, 0}},
                                           Row{{kConfig}, kMenu, {0, 1, 1}}, Row{{kMenu}, kConfig, {0, 1, 0}},
                                           Row{{kInfo, kMenu}, kConfig, {0, 1, 0}},
                                           Row{{kConfig, kMenu}, kInfo, {1, 0, 0}},
                                           Row{{kConfig, kMenu}, kConfig, {0, 0, 0}},
                                           Row{{kConfig, kMenu}, kMenu, {0, 1, 0}}));

// One bar, the dialog opened and closed each way in turn with its autoload box flipped: each
// way closes it and takes over the choice, the wake-up registration made or removed. The
// size change comes last, as the large bar's dialog has its close button higher up.
TEST(ConfigurationClose, EveryWayClosesItAndAppliesTheChoices) {
    test::ProgramDevice device;
    ASSERT_TRUE(device.start());
    const struct {
        const char* name;
        std::vector<POINT> taps;
    } ways[] = {{"close button", {{228, 260}}},  {"Config Button", {{194, 308}}},
                {"Info Button", {{211, 308}}},   {"Hide Button", {{177, 308}}},
                {"settings entry", {{20, 308}, {42, 158}}}, {"Size Button", {{160, 308}}}};
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        SCOPED_TRACE(ways[i].name);
        if (!device.bar_shown()) device.host().key(VK_APP4);
        device.run([] {  // the information dialog left open by the way before
            if (appState.infoOpen) SendMessage(appState.bar, kInfo, 0, 0);
        });
        device.host().tap(187 + 7, 271 + 30 + 7);  // Config Button
        device.host().tap(25, 205);                // the autoload box
        for (POINT p : ways[i].taps) device.host().tap(p.x, p.y);
        int open = -1;
        device.run([&] { open = appState.configOpen; });
        EXPECT_EQ(open, 0);
        const auto registered = device.host().inspect([](emu::Device& d) { return emu::registered_wakeup_apps(d); });
        EXPECT_EQ(registered.size(), i % 2 ? 0u : 1u);
    }
}
