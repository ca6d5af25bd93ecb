// The built-in programs' windows: placement, title, icon, the OK button and closing.
#include "ShellTest.h"

#include <tuple>

namespace shell_test {
namespace {

class ProgramWindow : public ShellTest {};

TEST_F(ProgramWindow, ShowsInTheWorkAreaInFrontOnceAndItsOkButtonOrTheShutdownClosesIt) {
    open(L"\\Windows\\calc.exe");
    HWND window = program_window(L"Calculator");
    ASSERT_NE(window, nullptr);
    RECT rect = host().inspect([&](emu::Device& d) { return d.windows->window(window)->rect; });
    EXPECT_EQ(std::tuple(rect.left, rect.top, rect.right, rect.bottom), std::tuple(0, 26, 240, 294));
    EXPECT_EQ(foreground(), window);
    // The small icon sits in the header's top-left corner, the large one in the middle.
    const std::uint32_t header = 0x002C7C;
    EXPECT_EQ(pixel(2, 28), header);
    EXPECT_NE(pixel(12, 38), header);
    EXPECT_NE(pixel(120, 26 + 76), 0xFFFFFFu);

    // A second start brings the open window forward.
    open(L"\\Windows\\tasks.exe");
    open(L"\\Windows\\calc.exe");
    int calculators = host().inspect([](emu::Device& d) {
        int count = 0;
        for (auto top : d.windows->top_level()) count += top->title == L"Calculator";
        return count;
    });
    EXPECT_EQ(calculators, 1);
    EXPECT_EQ(foreground(), window);

    // Sliding off the OK button, or lifting off it, keeps the window; a tap on it closes it.
    std::size_t icons = live_icons();
    host().stylus_down(kOkButton.x, kOkButton.y);
    host().stylus_move(kOkButton.x, kOkButton.y - 60);
    host().stylus_up(kOkButton.x, kOkButton.y - 60);
    host().stylus_down(kOkButton.x, kOkButton.y);
    host().stylus_up(kOkButton.x, kOkButton.y - 60);
    EXPECT_EQ(program_window(L"Calculator"), window);
    host().tap(kOkButton.x, kOkButton.y);
    EXPECT_EQ(program_window(L"Calculator"), nullptr);
    EXPECT_EQ(host().exit_code(L"\\Windows\\calc.exe"), 0);
    EXPECT_EQ(live_icons(), icons - 2);

    // The orderly shutdown closes every program.
    open(L"\\Windows\\inbox.exe");
    open(L"\\Windows\\Start Menu\\Games\\Solitaire.lnk");
    host().shutdown();
    EXPECT_EQ(host().exit_code(L"\\Windows\\inbox.exe"), 0);
    EXPECT_EQ(host().exit_code(L"\\Windows\\solitare.exe"), 0);
}

}  // namespace
}  // namespace shell_test
