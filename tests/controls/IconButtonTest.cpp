// The icon button: taps, dragging off and back on, the far edges, name clashes, deletion.
#include "ControlsFixture.h"

#include "app/ApplicationState.h"
#include "ui/IconButton.h"
#include "ui/WindowRegistry.h"

using controls::Received;
using Messages = std::vector<UINT>;

namespace {

const UINT kCommand = 3030;
const WORD kUpIcon = 104, kDownIcon = 105;
// The button at (10, 10) in a parent at (0, 200): its top-left on the screen.
const int kLeft = 10, kTop = 210, kSize = 14;

class IconButtonTest : public controls::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        RunWithParent(
            RECT{0, 200, 240, 300},
            [this](HWND parent) {
                button = new IconButton(L"Close Button", WS_CHILD | WS_VISIBLE, 10, 10, kSize, kSize, parent,
                                        instance, kCommand);
                button->SetIcons(0, 0, kSize, kSize, kUpIcon, kDownIcon);
                window = button->Create(1);
            },
            [this] { delete button; });
        up = IconOnPanel(kUpIcon, kSize, kSize);
        down = IconOnPanel(kDownIcon, kSize, kSize);
        ASSERT_NE(up, down);
    }
    std::vector<COLORREF> Shown() { return ScreenArea(kLeft, kTop, kSize, kSize); }

    IconButton* button = nullptr;
    HWND window = nullptr;
    std::vector<COLORREF> up, down;
};

}  // namespace

TEST_F(IconButtonTest, ATapSendsTheCommandOnceAndStaysDownUntilTheParentDrawsItUp) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_down(kLeft + 3, kTop + 3);
    EXPECT_EQ(Shown(), down);
    EXPECT_TRUE(Received().empty());
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_EQ(Received(), Messages{kCommand});
    EXPECT_EQ(Shown(), down);
    OnUiThread([this] { button->DrawUp(); });
    EXPECT_EQ(Shown(), up);
}

TEST_F(IconButtonTest, DraggingOffCancelsThePressAndDraggingBackOnRestoresIt) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    device.host().stylus_move(kLeft + 40, kTop + 3);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_up(kLeft + 40, kTop + 3);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(Shown(), up);

    device.host().stylus_down(kLeft + 3, kTop + 3);
    device.host().stylus_move(kLeft + 3, kTop + 40);
    device.host().stylus_move(kLeft + 5, kTop + 5);
    EXPECT_EQ(Shown(), down);
    device.host().stylus_up(kLeft + 5, kTop + 5);
    EXPECT_EQ(Received(), Messages{kCommand});
}

TEST_F(IconButtonTest, TheFarEdgesCountAsInsideAndPointsLeftOrAboveAsOutside) {
    device.host().stylus_down(kLeft, kTop);
    device.host().stylus_move(kLeft + kSize, kTop + kSize);
    EXPECT_EQ(Shown(), down);
    device.host().stylus_move(kLeft + kSize + 1, kTop);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_move(kLeft, kTop + kSize + 1);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_move(kLeft + kSize, kTop);
    EXPECT_EQ(Shown(), down);
    device.host().stylus_move(kLeft - 1, kTop);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_move(kLeft, kTop - 1);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_move(kLeft + kSize, kTop + kSize);
    device.host().stylus_up(kLeft + kSize, kTop + kSize);
    EXPECT_EQ(Received(), Messages{kCommand});
}

TEST_F(IconButtonTest, AStylusPutDownElsewhereAndLiftedOnTheButtonPressesNothing) {
    device.host().stylus_down(kLeft + 100, kTop + 50);
    device.host().stylus_move(kLeft + 3, kTop + 3);
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(Shown(), up);
}

TEST_F(IconButtonTest, ANameInUseCreatesNothing) {
    HWND top = nullptr, second_window = nullptr, clash_window = nullptr;
    bool top_alive = false;
    OnUiThread([&] {
        // A second control of the same name: its class exists already.
        IconButton second(L"Close Button", WS_CHILD | WS_VISIBLE, 40, 10, kSize, kSize, parent, instance, 1);
        second_window = second.Create(1);
    });
    auto debug = device.device().log.events("debug");
    ASSERT_EQ(debug.size(), 1u);
    EXPECT_EQ(debug[0].text("text"), "RegisterClass Failed: Close Button\n");

    OnUiThread([&] {
        // A top-level window of that class and title is adopted and brought forward, and
        // stays when the button that found it goes.
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = L"Info Button";
        RegisterClass(&wc);
        top = CreateWindowEx(0, L"Info Button", L"Info Button", WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr,
                             nullptr);
        auto* clash = new IconButton(L"Info Button", WS_CHILD | WS_VISIBLE, 40, 10, kSize, kSize, parent, instance, 1);
        clash_window = clash->Create(1);
        EXPECT_EQ(clash->Window(), top);
        EXPECT_EQ(GetForegroundWindow(), top);
        delete clash;
        top_alive = IsWindow(top);
    });
    EXPECT_EQ(second_window, nullptr);
    EXPECT_EQ(clash_window, nullptr);
    EXPECT_TRUE(top_alive);
}

TEST_F(IconButtonTest, DeletingTheButtonDestroysItsWindowClassAndRegistryEntry) {
    bool alive = true;
    void* found = this;
    HWND again = nullptr;
    OnUiThread([&] {
        delete button;
        button = nullptr;
        alive = IsWindow(window);
        found = appState.windowRegistry->find(window);
        IconButton* replacement =
            new IconButton(L"Close Button", WS_CHILD | WS_VISIBLE, 10, 10, kSize, kSize, parent, instance, kCommand);
        again = replacement->Create(1);
        button = replacement;
    });
    EXPECT_FALSE(alive);
    EXPECT_EQ(found, nullptr);
    EXPECT_NE(again, nullptr);
}
