// Power: off, the device's screen is dark and it takes no input; on, it shows the screen
// as it was. Driven as a headless script drives it.
#include "ShellTest.h"

#include <algorithm>
#include <sstream>

#include "host/Script.h"

namespace shell_test {
namespace {

class Power : public ShellTest {
protected:
    void run(const std::string& text) {
        std::istringstream in(text);
        std::string error;
        auto script = emu::Script::parse(in, "s.txt", error);
        ASSERT_TRUE(script) << error;
        ASSERT_TRUE(script->run(host(), error)) << error;
    }
};

TEST_F(Power, OffDarkensTheScreenAndDropsInputAndOnShowsTheSameScreenAgain) {
    run("open \\Windows\\calc.exe\n");
    const auto before = host().screen();
    ASSERT_TRUE(std::any_of(before.begin(), before.end(), [](std::uint32_t pixel) { return pixel != 0; }));

    run("power off\n");
    const auto dark = host().screen();
    EXPECT_TRUE(std::all_of(dark.begin(), dark.end(), [](std::uint32_t pixel) { return pixel == 0; }));
    run("tap " + std::to_string(kOkButton.x) + " " + std::to_string(kOkButton.y) + "\nkey app1\n");
    EXPECT_NE(program_window(L"Calculator"), nullptr) << "the tap on OK was dropped";
    EXPECT_EQ(started(), std::vector<std::string>{"\\Windows\\calc.exe"}) << "the key ran nothing";

    run("power on\n");
    EXPECT_EQ(host().screen(), before);
    run("tap " + std::to_string(kOkButton.x) + " " + std::to_string(kOkButton.y) + "\n");
    EXPECT_EQ(program_window(L"Calculator"), nullptr);
}

}  // namespace
}  // namespace shell_test
