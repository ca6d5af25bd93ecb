// However the configuration dialog closes, the bar takes over its choices: the autoload
// option (with its wake-up registration), sound, and the ticked items.
#include <gtest/gtest.h>

#include "ProgramDevice.h"
#include "app/ApplicationState.h"

namespace {

struct ClosePath {
    const char* name;
    std::vector<POINT> taps;  // after the autoload box was ticked
};

class ConfigurationClose : public ::testing::TestWithParam<ClosePath> {};

}  // namespace

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
    auto registrations = device.device().log.events("run-app-at-event");
    ASSERT_EQ(registrations.size(), 1u);
    EXPECT_EQ(registrations[0].number("event"), 11);
    EXPECT_EQ(registrations[0].text("app"), "\"\\Windows\\Start Menu\\Tesselink.lnk\"");
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, ConfigurationClose,
    ::testing::Values(ClosePath{"CloseButton", {{228, 260}}}, ClosePath{"ConfigButton", {{194, 308}}},
                      ClosePath{"InfoButton", {{211, 308}}}, ClosePath{"HideButton", {{177, 308}}},
                      ClosePath{"SizeButton", {{160, 308}}}, ClosePath{"SettingsEntry", {{20, 308}, {42, 158}}}),
    [](const ::testing::TestParamInfo<ClosePath>& info) { return std::string(info.param.name); });
