// The repeat button: its command on going down, the stop-repeating command on coming up.
#include "ControlsFixture.h"

#include "ui/RepeatButton.h"

using Sent = std::vector<UINT>;

namespace {

const UINT kLineDown = 5028;
const UINT kStop = kStopRepeatingCommand;
// The button at (10, 10) in a parent at (0, 200): its top-left corner on the screen.
const int kLeft = 10, kTop = 210, kSize = 15;

class RepeatButtonTest : public controls::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        up = IconOnPanel(151, kSize);
        RunWithParent(
            RECT{0, 200, 240, 300},
            [this](HWND parent) {
                button = new RepeatButton(L"Scroll Down Button", WS_CHILD | WS_VISIBLE, 10, 10, kSize, kSize, parent,
                                          instance, kLineDown);
                button->SetIcons(0, 0, kSize, kSize, 151, 152);
                window = button->Create(1);
            },
            [this] { delete button; });
    }
    void Repaint() {
        OnUiThread([this] {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        });
    }
    void Move(int x) { device.host().stylus_move(kLeft + x, kTop + 3); }

    RepeatButton* button = nullptr;
    HWND window = nullptr;
    std::vector<COLORREF> up;
};

}  // namespace

TEST_F(RepeatButtonTest, TheFirstPaintSendsNothingAndEveryLaterPaintWhileUpStopsRepeating) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ScreenArea(kLeft, kTop, kSize, kSize), up);
    EXPECT_TRUE(Commands().empty());
    Repaint();
    EXPECT_EQ(Commands(), Sent{kStop});
}

TEST_F(RepeatButtonTest, PressingSendsTheCommandAtOnceAndReleasingStopsRepeating) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    EXPECT_EQ(Commands(), Sent{kLineDown});
    EXPECT_NE(ScreenArea(kLeft, kTop, kSize, kSize), up);
    Repaint();  // drawn down again, but no new press
    EXPECT_EQ(Commands(), Sent{kLineDown});
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_EQ(Commands(), (Sent{kLineDown, kStop}));
    EXPECT_EQ(ScreenArea(kLeft, kTop, kSize, kSize), up);
}

TEST_F(RepeatButtonTest, DraggingOffStopsRepeatingAndDraggingBackOnRepeatsAgain) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    Move(30);
    Move(3);
    Move(4);
    EXPECT_EQ(Commands(), (Sent{kLineDown, kStop, kLineDown}));
    Move(30);
    device.host().stylus_up(kLeft + 30, kTop + 3);
    EXPECT_EQ(Commands(), (Sent{kLineDown, kStop, kLineDown, kStop, kStop}));
}
