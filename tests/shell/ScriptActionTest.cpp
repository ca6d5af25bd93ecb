// Script actions of the shell and the device settings, and power off and on as a script
// drives them: off, the screen is dark and takes no input; on, it shows the same screen.
#include "ShellTest.h"

#include <algorithm>
#include <sstream>
#include <tuple>

#include <notify.h>

#include "device/DeviceStatus.h"
#include "host/Script.h"

namespace shell_test {
namespace {

class ScriptActions : public ShellTest {
protected:
    // Parses and runs a script; answers the first error, or "".
    std::string run(const std::string& text) {
        std::istringstream in(text);
        std::string error;
        auto script = emu::Script::parse(in, "s.txt", error);
        if (!script || !script->run(host(), error)) return error;
        return "";
    }
};

// "open" acts as a tap on the path; device settings reach the status and bad ones are
// refused; power on runs the wake-up registrations.
TEST_F(ScriptActions, OpenDeviceSettingsAndPower) {
    EXPECT_EQ(run("# the browser\nopen \\Windows\\Start Menu\\Web Browser.lnk\nopen \\My Documents\n"), "");
    EXPECT_EQ(started(), (std::vector<std::string>{"\\Windows\\iexplore.exe", "\\Windows\\fexplore.exe"}));
    EXPECT_EQ(run("open \\Windows\\gone.exe\n"), "s.txt:1: cannot open \\Windows\\gone.exe");
    EXPECT_EQ(run("open\n"), "s.txt:1: 'open' takes a path");

    EXPECT_EQ(run("battery 101\n"), "s.txt:1: '101' is out of range");
    EXPECT_EQ(run("ac maybe\n"), "s.txt:1: 'maybe' is neither on nor off");
    EXPECT_EQ(run("store 10 20\n"), "s.txt:1: the device refused store 10 20");
    EXPECT_EQ(device.device().status->current().battery_percent, 80);
    EXPECT_EQ(run("battery 35\nac on\nmemory 77\nstore 2000 1000\n"), "");
    auto s = device.device().status->current();
    EXPECT_EQ(std::tuple(int{s.battery_percent}, s.ac_line, s.memory_load, s.store_size, s.store_free),
              std::tuple(35, emu::AcLine::Online, 77u, 2000u, 1000u));
    EXPECT_EQ(run("ac off\n"), "");
    EXPECT_EQ(device.device().status->current().ac_line, emu::AcLine::Offline);

    device.run([] {
        WCHAR notes[] = L"\"\\Windows\\Start Menu\\Notes.lnk\"";
        WCHAR tasks[] = L"\\Windows\\tasks.exe";
        CeRunAppAtEvent(notes, NOTIFICATION_EVENT_WAKEUP);
        CeRunAppAtEvent(tasks, NOTIFICATION_EVENT_ON_AC_POWER);
    });
    EXPECT_EQ(run("power on\n"), "");
    EXPECT_EQ(started().size(), 2u) << "a device already on does not wake";
    EXPECT_EQ(run("power off\npower on\n"), "");
    EXPECT_EQ(started().back(), "\\Windows\\notes.exe");
    EXPECT_EQ(started().size(), 3u);
    auto power = events("power");
    ASSERT_EQ(power.size(), 2u);
    EXPECT_EQ(power[0].text("state"), "off");
    EXPECT_EQ(power[1].text("state"), "on");
}

// Every key on the device's body is logged with where it went: the direction pad and the
// action button to the program in front (nowhere without one), the application keys to the
// shell's commands, the power button to the shell; while the device is off, nowhere.
TEST_F(ScriptActions, EveryDeviceKeyIsLoggedWithWhereItWent) {
    EXPECT_EQ(run("key up\nkey app1\nkey down\nkey left\nkey right\nkey action\nkey app2\nkey app3\nkey app4\n"
                  "key app5\nkey power\nkey app1\nkey power\n"), "");
    std::vector<std::string> logged;
    for (const auto& key : events("hardware-key")) logged.push_back(key.text("key") + " " + key.text("to"));
    EXPECT_EQ(logged, (std::vector<std::string>{"up nowhere", "app1 shell", "down program", "left program",
                                                "right program", "action program", "app2 shell", "app3 shell",
                                                "app4 shell", "app5 shell", "power shell", "app1 nowhere",
                                                "power shell"}));
    EXPECT_EQ(events("power").size(), 2u);
}

TEST_F(ScriptActions, PowerOffDarkensTheScreenAndDropsInputAndOnShowsTheSameScreenAgain) {
    const auto tap_ok = "tap " + std::to_string(kOkButton.x) + " " + std::to_string(kOkButton.y) + "\n";
    ASSERT_EQ(run("open \\Windows\\calc.exe\n"), "");
    const auto before = host().screen();
    ASSERT_TRUE(std::any_of(before.begin(), before.end(), [](std::uint32_t pixel) { return pixel != 0; }));
    ASSERT_EQ(run("power off\n" + tap_ok + "key app1\n"), "");
    const auto dark = host().screen();
    EXPECT_TRUE(std::all_of(dark.begin(), dark.end(), [](std::uint32_t pixel) { return pixel == 0; }));
    EXPECT_NE(program_window(L"Calculator"), nullptr) << "the tap on OK was dropped";
    EXPECT_EQ(started(), std::vector<std::string>{"\\Windows\\calc.exe"}) << "the key ran nothing";
    ASSERT_EQ(run("power on\n"), "");
    EXPECT_EQ(host().screen(), before);
    ASSERT_EQ(run(tap_ok), "");
    EXPECT_EQ(program_window(L"Calculator"), nullptr);
}

}  // namespace
}  // namespace shell_test
