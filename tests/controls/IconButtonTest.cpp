// The icon button: taps, dragging off and back on, the far edges, name clashes, deletion.
#include "ControlsFixture.h"

#include "app/ApplicationState.h"
#include "ui/IconButton.h"
#include "ui/WindowRegistry.h"

using Sent = std::vector<UINT>;

namespace {

const UINT kCommand = 3030;
// The button at (10, 10) in a parent at (0, 200): its top-left corner on the screen.
const int kLeft = 10, kTop = 210, kSize = 14;

class IconButtonTest : public controls::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        up = IconOnPanel(104, kSize);
        down = IconOnPanel(105, kSize);
        ASSERT_NE(up, down);
        RunWithParent(
            RECT{0, 200, 240, 300}, [this](HWND parent) { window = Make(parent, L"Close Button", button); },
            [this] { delete button; });
    }
    HWND Make(HWND parent, LPCWSTR name, IconButton*& made) {
        made = new IconButton(name, WS_CHILD | WS_VISIBLE, 10, 10, kSize, kSize, parent, instance, kCommand);
        made->SetIcons(0, 0, kSize, kSize, 104, 105);
        return made->Create(1);
    }
    std::vector<COLORREF> Shown() { return ScreenArea(kLeft, kTop, kSize, kSize); }
    void Move(int x, int y) { device.host().stylus_move(kLeft + x, kTop + y); }

    IconButton* button = nullptr;
    HWND window = nullptr;
    std::vector<COLORREF> up, down;
};

}  // namespace

TEST_F(IconButtonTest, ATapSendsOnceAndStaysDownUntilTheParentDrawsItUp) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_down(kLeft + 3, kTop + 3);
    EXPECT_EQ(Shown(), down);
    EXPECT_TRUE(Commands().empty());
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_EQ(Commands(), Sent{kCommand});
    EXPECT_EQ(Shown(), down);
    OnUiThread([this] { button->DrawUp(); });
    EXPECT_EQ(Shown(), up);
}

TEST_F(IconButtonTest, DraggingOffCancelsAndDraggingBackOnCountsOnce) {
    device.host().stylus_down(kLeft + 3, kTop + 3);
    Move(40, 3);
    EXPECT_EQ(Shown(), up);
    device.host().stylus_up(kLeft + 40, kTop + 3);
    EXPECT_TRUE(Commands().empty());

    device.host().stylus_down(kLeft + 3, kTop + 3);
    Move(3, 40);
    Move(5, 5);
    EXPECT_EQ(Shown(), down);
    device.host().stylus_up(kLeft + 5, kTop + 5);
    EXPECT_EQ(Commands(), Sent{kCommand});
}

TEST_F(IconButtonTest, TheFarEdgesCountAsInsideAndPointsLeftOrAboveAsOutside) {
    device.host().stylus_down(kLeft, kTop);
    const struct {
        int x, y;
        bool inside;
    } moves[] = {{kSize, kSize, true}, {kSize + 1, 0, false}, {0, kSize + 1, false}, {kSize, 0, true},
                 {-1, 0, false},       {0, -1, false},        {kSize, kSize, true}};
    for (const auto& move : moves) {
        Move(move.x, move.y);
        EXPECT_EQ(Shown(), move.inside ? down : up) << move.x << ", " << move.y;
    }
    device.host().stylus_up(kLeft + kSize, kTop + kSize);
    EXPECT_EQ(Commands(), Sent{kCommand});
}

TEST_F(IconButtonTest, AStylusPutDownElsewhereAndLiftedOnTheButtonPressesNothing) {
    device.host().stylus_down(kLeft + 100, kTop + 50);
    Move(3, 3);
    device.host().stylus_up(kLeft + 3, kTop + 3);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Shown(), up);
}

TEST_F(IconButtonTest, ANameInUseCreatesNothingAndAnAdoptedWindowOutlivesTheButton) {
    HWND clash = this->window, top = nullptr, found = this->window, adopted = nullptr, foreground = nullptr;
    bool top_alive = false;
    OnUiThread([&] {
        IconButton* second = nullptr;
        clash = Make(parent, L"Close Button", second);  // its class exists already
        delete second;
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = L"Info Button";
        RegisterClass(&wc);
        top = CreateWindowEx(0, L"Info Button", L"Info Button", WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr,
                             nullptr);
        IconButton* finder = nullptr;
        found = Make(parent, L"Info Button", finder);
        adopted = finder->Window();
        foreground = GetForegroundWindow();
        delete finder;
        top_alive = IsWindow(top);
    });
    EXPECT_EQ(clash, nullptr);
    auto debug = device.device().log.events("debug");
    ASSERT_EQ(debug.size(), 1u);
    EXPECT_EQ(debug[0].text("text"), "RegisterClass Failed: Close Button\n");
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(adopted, top);
    EXPECT_EQ(foreground, top);
    EXPECT_TRUE(top_alive);
}

TEST_F(IconButtonTest, DeletingTheButtonDestroysItsWindowClassAndRegistryEntry) {
    bool alive = true;
    void* found = this;
    HWND again = nullptr;
    OnUiThread([&] {
        delete button;
        alive = IsWindow(window);
        found = appState.windowRegistry->find(window);
        again = Make(parent, L"Close Button", button);
    });
    EXPECT_FALSE(alive);
    EXPECT_EQ(found, nullptr);
    EXPECT_NE(again, nullptr);
}
