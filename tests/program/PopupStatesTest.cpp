// The pop-up states of the bar: what each of the commands 3025, 3026 and 3027 leaves open
// from each state, and whether the bar is then full screen or docked; and however the
// configuration dialog closes, the bar takes over its choices (the autoload option with its
// wake-up registration).
#include <gtest/gtest.h>

#include <array>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"

namespace {

using PopupState = std::array<int, 3>;  // whether the information, the configuration and the menu are open

struct Row {
    std::vector<UINT> setup;  // commands that lead to the state before
    UINT command;
    PopupState after;
};

const UINT kInfo = 3025, kConfig = 3026, kMenu = 3027;

class PopupStates : public ::testing::TestWithParam<Row> {};

struct ClosePath {
    const char* name;
    std::vector<POINT> taps;  // after the autoload box was ticked
};

class ConfigurationClose : public ::testing::TestWithParam<ClosePath> {};

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

TEST_P(ConfigurationClose, AppliesTheChoices) {
    test::ProgramDevice device;
    ASSERT_TRUE(device.start());
    device.host().tap(187 + 7, 271 + 30 + 7);  // Config Button
    device.host().tap(25, 205);                // the autoload box
    for (POINT p : GetParam().taps) device.host().tap(p.x, p.y);
    int autoload = -1, open = -1;
    device.run([&] {
        autoload = appState.autoload;
        open = appState.configOpen;
    });
    EXPECT_EQ(open, 0);
    EXPECT_EQ(autoload, 1);
    EXPECT_EQ(device.fields("run-app-at-event", "event"), std::vector<std::string>{"11"});
    EXPECT_EQ(device.fields("run-app-at-event", "app"),
              std::vector<std::string>{"\"\\Windows\\Start Menu\\Tesselink.lnk\""});
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, ConfigurationClose,
    ::testing::Values(ClosePath{"CloseButton", {{228, 260}}}, ClosePath{"ConfigButton", {{194, 308}}},
                      ClosePath{"InfoButton", {{211, 308}}}, ClosePath{"HideButton", {{177, 308}}},
                      ClosePath{"SizeButton", {{160, 308}}}, ClosePath{"SettingsEntry", {{20, 308}, {42, 158}}}),
    [](const ::testing::TestParamInfo<ClosePath>& info) { return std::string(info.param.name); });
