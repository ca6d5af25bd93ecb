// The icon button and the repeat button under the stylus: what they show, what they send,
// dragging off and back on, the far edges, name clashes and deletion.
#include "support/ControlHost.h"
#include "support/TestWindow.h"

#include "app/ApplicationState.h"
#include "ui/Colours.h"
#include "ui/IconButton.h"
#include "ui/RepeatButton.h"
#include "ui/WindowRegistry.h"

using Sent = std::vector<UINT>;

namespace {

// The buttons sit at (10, 10) of a bar at (0, 200): their top-left corner on the screen.
const int kLeft = 10, kTop = 210;
const UINT kCommand = 3030, kLineDown = 5028, kStop = kStopRepeatingCommand;

class Buttons : public test::ControlHost {
protected:
    // Creates a button of `Kind` with icons `up` and `down`, under a new bar.
    template <class Kind>
    void Open(LPCWSTR name, int size, UINT command, WORD up, WORD down) {
        this->size = size;
        icons = {up, down};
        upImage = Icon(up, size, size, kPanelColour);
        downImage = Icon(down, size, size, kPanelColour);
        ASSERT_NE(upImage, downImage);
        Show(RECT{0, 200, 240, 300}, button, [=, this] { window = Make<Kind>(bar, name, command, button); });
    }
    template <class Kind>
    HWND Make(HWND parent, LPCWSTR name, UINT command, IconButton*& made) {
        made = new Kind(name, WS_CHILD | WS_VISIBLE, 10, 10, size, size, parent, instance, command);
        made->SetIcons(0, 0, size, size, icons.first, icons.second);
        return made->Create(1);
    }
    std::vector<COLORREF> Shown() { return ScreenArea(kLeft, kTop, size, size); }
    void Down(int x, int y) { device.host().stylus_down(kLeft + x, kTop + y); }
    void Move(int x, int y) { device.host().stylus_move(kLeft + x, kTop + y); }
    void Up(int x, int y) { device.host().stylus_up(kLeft + x, kTop + y); }

    IconButton* button = nullptr;
    HWND window = nullptr;
    int size = 0;
    std::pair<WORD, WORD> icons;
    std::vector<COLORREF> upImage, downImage;
};

}  // namespace

TEST_F(Buttons, AnIconButtonSendsOnceForAPressThatEndsOnIt) {
    Open<IconButton>(L"Close Button", 14, kCommand, 104, 105);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Shown(), upImage);
    Down(3, 3);
    EXPECT_EQ(Shown(), downImage);
    EXPECT_TRUE(Commands().empty());
    Up(3, 3);
    EXPECT_EQ(Commands(), Sent{kCommand});
    EXPECT_EQ(Shown(), downImage);  // until the parent draws it up
    OnUiThread([this] { button->DrawUp(); });
    EXPECT_EQ(Shown(), upImage);

    Down(3, 3);  // dragged off and lifted there: cancelled
    Move(40, 3);
    EXPECT_EQ(Shown(), upImage);
    Up(40, 3);
    Down(100, 50);  // put down elsewhere and lifted on the button: nothing
    Move(3, 3);
    Up(3, 3);
    EXPECT_EQ(Shown(), upImage);
    EXPECT_EQ(Commands(), Sent{kCommand});

    // The far edges count as inside, points left of or above the button as outside; a drag
    // back on counts once.
    Down(0, 0);
    const struct {
        int x, y;
        bool inside;
    } moves[] = {{14, 14, true}, {15, 0, false}, {0, 15, false}, {14, 0, true},
                 {-1, 0, false}, {0, -1, false}, {3, 40, false}, {14, 14, true}};
    for (const auto& move : moves) {
        Move(move.x, move.y);
        EXPECT_EQ(Shown(), move.inside ? downImage : upImage) << move.x << ", " << move.y;
    }
    Up(14, 14);
    EXPECT_EQ(Commands(), (Sent{kCommand, kCommand}));
}

TEST_F(Buttons, ANameInUseCreatesNothingAndDeletionLeavesNoWindowClassOrRegistryEntry) {
    Open<IconButton>(L"Close Button", 14, kCommand, 104, 105);
    OnUiThread([&] {
        IconButton* second = nullptr;
        EXPECT_EQ(Make<IconButton>(bar, L"Close Button", kCommand, second), nullptr);  // its class exists already
        delete second;
        // A top-level window of a button's name is adopted, and outlives the button.
        HWND top = test::MakeWindow(L"Info Button", WS_VISIBLE, 0, 0, 20, 20, nullptr, DefWindowProc);
        IconButton* finder = nullptr;
        EXPECT_EQ(Make<IconButton>(bar, L"Info Button", kCommand, finder), nullptr);
        EXPECT_EQ(finder->Window(), top);
        EXPECT_EQ(GetForegroundWindow(), top);
        delete finder;
        EXPECT_TRUE(IsWindow(top));

        delete button;
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(appState.windowRegistry->find(window), nullptr);
        EXPECT_NE(Make<IconButton>(bar, L"Close Button", kCommand, button), nullptr);
    });
    auto debug = device.device().log.events("debug");
    ASSERT_EQ(debug.size(), 1u);
    EXPECT_EQ(debug[0].text("text"), "RegisterClass Failed: Close Button\n");
}

TEST_F(Buttons, ARepeatButtonSendsItsCommandGoingDownAndStopsRepeatingComingUp) {
    Open<RepeatButton>(L"Scroll Down Button", 15, kLineDown, 151, 152);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Shown(), upImage);
    EXPECT_TRUE(Commands().empty());  // the first paint sends nothing
    Repaint(window);
    EXPECT_EQ(Commands(), Sent{kStop});  // every later paint while up does
    Down(3, 3);
    EXPECT_EQ(Commands(), (Sent{kStop, kLineDown}));
    EXPECT_EQ(Shown(), downImage);
    Repaint(window);  // drawn down again, but no new press
    Up(3, 3);
    EXPECT_EQ(Commands(), (Sent{kStop, kLineDown, kStop}));
    EXPECT_EQ(Shown(), upImage);

    // Dragging off stops repeating, dragging back on repeats again.
    Down(3, 3);
    for (int x : {30, 3, 4, 30}) Move(x, 3);
    Up(30, 3);
    EXPECT_EQ(Commands(), (Sent{kStop, kLineDown, kStop, kLineDown, kStop, kLineDown, kStop, kStop}));
}
