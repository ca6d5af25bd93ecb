// The built-in programs' windows: placement, title, icon, the OK button and closing.
#include "ShellTest.h"

namespace shell_test {
namespace {

class ProgramWindow : public ShellTest {
protected:
    RECT rect_of(HWND window) {
        return host().inspect([&](emu::Device& d) { return d.windows->window(window)->rect; });
    }
};

TEST_F(ProgramWindow, ShowsInTheWorkAreaInFrontWithItsTitleAndIcon) {
    open(L"\\Windows\\calc.exe");
    HWND window = program_window(L"Calculator");
    ASSERT_NE(window, nullptr);
    RECT rect = rect_of(window);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, 294);
    EXPECT_EQ(foreground(), window);
    // The small icon sits in the header's top-left corner, the large one in the middle.
    const std::uint32_t header = 0x002C7C;
    EXPECT_EQ(pixel(2, 28), header);
    EXPECT_NE(pixel(12, 38), header);
    EXPECT_NE(pixel(120, 26 + 76), 0xFFFFFFu);
}

TEST_F(ProgramWindow, ItsOkButtonClosesTheWindowAndEndsTheProgram) {
    open(L"\\Windows\\Start Menu\\Games\\Solitaire.lnk");
    ASSERT_NE(program_window(L"Solitaire"), nullptr);
    std::size_t icons = live_icons();
    host().tap(kOkButton.x, kOkButton.y);
    EXPECT_EQ(program_window(L"Solitaire"), nullptr);
    EXPECT_EQ(host().exit_code(L"\\Windows\\solitare.exe"), 0);
    EXPECT_EQ(live_icons(), icons - 2);
}

TEST_F(ProgramWindow, SlidingOffTheOkButtonBeforeLiftingKeepsItOpen) {
    open(L"\\Windows\\pictures.exe");
    host().stylus_down(kOkButton.x, kOkButton.y);
    host().stylus_move(kOkButton.x, kOkButton.y - 60);
    host().stylus_up(kOkButton.x, kOkButton.y - 60);
    EXPECT_NE(program_window(L"Pictures"), nullptr);
}

TEST_F(ProgramWindow, ASecondStartBringsTheOpenWindowForward) {
    open(L"\\Windows\\calc.exe");
    open(L"\\Windows\\tasks.exe");
    open(L"\\Windows\\calc.exe");
    int calculators = host().inspect([](emu::Device& d) {
        int count = 0;
        for (auto window : d.windows->top_level()) count += window->title == L"Calculator";
        return count;
    });
    EXPECT_EQ(calculators, 1);
    EXPECT_EQ(foreground(), program_window(L"Calculator"));
}

TEST_F(ProgramWindow, TheOrderlyShutdownClosesEveryProgram) {
    open(L"\\Windows\\inbox.exe");
    open(L"\\Windows\\wmplayer.exe");
    host().shutdown();
    EXPECT_EQ(host().exit_code(L"\\Windows\\inbox.exe"), 0);
    EXPECT_EQ(host().exit_code(L"\\Windows\\wmplayer.exe"), 0);
}

}  // namespace
}  // namespace shell_test
