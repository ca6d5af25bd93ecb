// The repeat button: its command on going down, the stop-repeating command on coming up.
#include "ControlsFixture.h"

#include "ui/RepeatButton.h"

using controls::Received;
using Messages = std::vector<UINT>;

namespace {

const UINT kLineDown = 5028;
const WORD kUpIcon = 151, kDownIcon = 152;
// The button at (10, 10) in a parent at (0, 200): its top-left on the screen.
const int kLeft = 10, kTop = 210, kSize = 15;

class RepeatButtonTest : public controls::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        RunWithParent(
            RECT{0, 200, 240, 300},
            [this](HWND parent) {
                button = new RepeatButton(L"Scroll Down Button", WS_CHILD | WS_VISIBLE, 10, 10, kSize, kSize, parent,
                                          instance, kLineDown);
                button->SetIcons(0, 0, kSize, kSize, kUpIcon, kDownIcon);
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

    RepeatButton* button = nullptr;
    HWND window = nullptr;
};

}  // namespace

TEST_F(RepeatButtonTest, TheFirstPaintSendsNothingAndEveryLaterPaintWhileUpStopsRepeating) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ScreenArea(kLeft, kTop, kSize, kSize), IconOnPanel(kUpIcon, kSize, kSize));
    EXPECT_TRUE(Received().empty());
    Repaint();
    EXPECT_EQ(Received(), Messages{kStopRepeatingCommand});
}

TEST_F(RepeatButtonTest, PressingSendsTheCommandAtOnceAndReleasingStopsRepeating) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    EXPECT_EQ(Received(), Messages{kLineDown});
    EXPECT_EQ(ScreenArea(kLeft, kTop, kSize, kSize), IconOnPanel(kDownIcon, kSize, kSize));
    Repaint();  // drawn down again, but not a new press
    EXPECT_EQ(Received(), Messages{kLineDown});
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_EQ(Received(), (Messages{kLineDown, kStopRepeatingCommand}));
    EXPECT_EQ(ScreenArea(kLeft, kTop, kSize, kSize), IconOnPanel(kUpIcon, kSize, kSize));
}

TEST_F(RepeatButtonTest, DraggingOffStopsRepeatingAndDraggingBackOnRepeatsAgain) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    device.host().stylus_move(kLeft + 30, kTop + 3);
    device.host().stylus_move(kLeft + 3, kTop + 3);
    device.host().stylus_move(kLeft + 4, kTop + 4);
    EXPECT_EQ(Received(), (Messages{kLineDown, kStopRepeatingCommand, kLineDown}));
    device.host().stylus_move(kLeft + 30, kTop + 3);
    device.host().stylus_up(kLeft + 30, kTop + 3);
    EXPECT_EQ(Received(), (Messages{kLineDown, kStopRepeatingCommand, kLineDown, kStopRepeatingCommand,
                                    kStopRepeatingCommand}));
}
