// The pop-up states of the bar: what each of the commands 3025, 3026 and 3027 leaves open
// from each state, and whether the bar is then full screen or docked.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"

namespace {

struct PopupState {
    int info, config, menu;
    bool operator==(const PopupState&) const = default;
};

struct Row {
    std::vector<UINT> setup;  // commands that lead to the state before
    UINT command;
    PopupState after;
};

std::ostream& operator<<(std::ostream& out, const PopupState& s) {
    return out << "{info " << s.info << ", config " << s.config << ", menu " << s.menu << "}";
}

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
    bool any_open = row.after.info || row.after.config || row.after.menu;
    EXPECT_EQ(bar.top, any_open ? 0 : 271);
    EXPECT_EQ(bar.bottom, 320);
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
