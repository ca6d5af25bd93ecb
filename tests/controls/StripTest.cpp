// The application strip in a bar-like parent at the bottom of the screen: launching with
// the stylus and the cursor keys, its pages and page buttons, and the large mode.
#include "support/ControlHost.h"

#include "apps/ApplicationStrip.h"
#include "support/ProgramItems.h"
#include "ui/Colours.h"

using Lines = std::vector<std::string>;

namespace {

// The bar sits where the docked bar does, the strip at (5, 5) in it.
const int kStripLeft = 5, kStripTop = 276;
// Points on the page buttons' places at the strip's two ends.
const int kLeftEnd = kStripLeft + 3, kRightEnd = kStripLeft + 224;
const COLORREF kCursorColour = RGB(213, 202, 170);
const COLORREF kPressedColour = RGB(139, 130, 101);
const std::string kHidden = "command 3028";

std::string Opened(int index) { return "open " + emu::utf8(test::ProgramPath(index)); }

class Strip : public test::ControlHost {
protected:
    // Shows a strip over the first `count` programs, in place of the one shown before.
    void Start(int count, int smallMode = 1, int sound = 1) {
        items = test::ProgramItems(count);
        Show(RECT{0, 271, 240, 320}, strip, [=, this] {
            strip = new ApplicationStrip(L"Application Bar", WS_CHILD | WS_VISIBLE, 5, 5, 230, smallMode ? 20 : 34,
                                         bar, instance, 3028);
            strip->SetItems(items.data(), count);
            strip->SetSoundFlag(sound);
            window = strip->Create(1, smallMode);
        });
    }

    // What the shell opened and what the parent was told, in order.
    Lines Timeline() {
        Lines lines;
        for (const auto& event : device.device().log.events()) {
            if (event.name == "shell-execute") lines.push_back("open " + event.text("file"));
            if (event.name == "command") lines.push_back("command " + std::to_string(event.number("number")));
        }
        return lines;
    }

    // Screen points of cell `place`: inside it but off its icon, and in its middle.
    static POINT CellEdge(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 16 + 20 * place, kStripTop + 1}
                         : POINT{kStripLeft + 13 + 34 * place, kStripTop + 16};
    }
    static POINT CellMiddle(int place, int smallMode = 1) {
        return smallMode ? POINT{kStripLeft + 25 + 20 * place, kStripTop + 10}
                         : POINT{kStripLeft + 30 + 34 * place, kStripTop + 17};
    }
    COLORREF CellColour(int place) { return device.host().pixel(CellEdge(place).x, CellEdge(place).y); }
    // Whether cell `place` shows anything but the background.
    bool HasIcon(int place, int smallMode = 1) {
        POINT edge = CellEdge(place, smallMode);
        int size = smallMode ? 20 : 34;
        for (COLORREF pixel : ScreenArea(edge.x + 1, kStripTop + 2, size - 4, size - 4))
            if (pixel != kPanelColour) return true;
        return false;
    }
    void Tap(POINT p) { device.host().tap(p.x, p.y); }
    void Down(POINT p) { device.host().stylus_down(p.x, p.y); }
    void Move(POINT p) { device.host().stylus_move(p.x, p.y); }
    void Up(POINT p) { device.host().stylus_up(p.x, p.y); }
    void TurnPage(int x) { device.host().tap(x, kStripTop + 10); }
    void Repeat(void (ApplicationStrip::*operation)(), int times = 1) {
        OnUiThread([=, this] {
            for (int i = 0; i < times; ++i) (strip->*operation)();
        });
    }

    std::vector<ApplicationItem> items;
    ApplicationStrip* strip = nullptr;
    HWND window = nullptr;
};

}  // namespace

TEST_F(Strip, TheIconUnderThePenWhereItLeavesTheStripIsLaunched) {
    Start(5);
    Down(CellMiddle(1));
    EXPECT_EQ(CellColour(1), kPressedColour);
    Move(CellMiddle(3));  // sliding on to another icon
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_EQ(CellColour(3), kPressedColour);
    Up(CellMiddle(3));
    EXPECT_EQ(CellColour(3), kPanelColour);

    Down(CellMiddle(1));  // leaving the strip before lifting launches nothing
    Move(POINT{CellMiddle(1).x, kStripTop + 20});
    EXPECT_EQ(CellColour(1), kPanelColour);
    Up(POINT{CellMiddle(1).x, kStripTop + 20});
    Down(CellMiddle(2));
    Up(POINT{CellMiddle(2).x, kStripTop - 10});  // lifted outside without a move there
    EXPECT_EQ(CellColour(2), kPanelColour);
    Tap(POINT{kStripLeft + 5, kStripTop + 10});  // left of the cells

    Down(CellMiddle(4));  // lifted over an empty cell: the last icon under the pen
    Move(CellMiddle(7));
    EXPECT_EQ(CellColour(4), kPressedColour);
    Up(CellMiddle(7));

    Down(POINT{CellMiddle(1).x, kStripTop - 3});  // put down beside the strip, slid over it and away
    Move(CellMiddle(1));
    Move(POINT{CellMiddle(1).x, kStripTop - 10});
    Up(POINT{CellMiddle(1).x, kStripTop - 10});
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_EQ(Timeline(), (Lines{Opened(3), kHidden, Opened(4), kHidden}));
}

TEST_F(Strip, AnEleventhItemShowsTheNextButtonWhichTurnsToAPageOfOne) {
    Start(11);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Application Bar");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Next Small Button");
    const POINT beyond = {kStripLeft + 215, kStripTop + 10};  // column (215 - 15) / 20 = 10
    Down(CellMiddle(9));
    Move(beyond);  // holds no item of the next page
    EXPECT_EQ(CellColour(9), kPressedColour);
    Up(beyond);

    TurnPage(kRightEnd);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Prev Small Button");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Application Bar");
    EXPECT_TRUE(HasIcon(0));
    EXPECT_FALSE(HasIcon(1));
    auto beeps = device.device().log.events("beep");
    ASSERT_EQ(beeps.size(), 1u);
    EXPECT_EQ(beeps[0].number("type"), MB_ICONHAND);
    Tap(CellMiddle(1));
    Tap(CellMiddle(0));
    EXPECT_EQ(Timeline(), (Lines{Opened(9), kHidden, Opened(10), kHidden}));  // the page buttons talk to the strip only

    TurnPage(kLeftEnd);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Application Bar");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Next Small Button");
    EXPECT_TRUE(HasIcon(9));
}

TEST_F(Strip, TheCursorCrossesPagesTheStartKeyLaunchesItsItemAndPagingAwayDropsIt) {
    Start(11);
    Repeat(&ApplicationStrip::CursorRight);
    EXPECT_EQ(CellColour(0), kCursorColour);
    Repeat(&ApplicationStrip::CursorRight, 9);
    EXPECT_EQ(CellColour(8), kPanelColour);
    EXPECT_EQ(CellColour(9), kCursorColour);
    Repeat(&ApplicationStrip::CursorRight, 2);  // onto the next page, then past the list's end
    EXPECT_EQ(CellColour(0), kCursorColour);
    EXPECT_FALSE(HasIcon(1));
    Repeat(&ApplicationStrip::CursorLeft);  // back onto the first page's last cell
    EXPECT_EQ(CellColour(9), kCursorColour);
    EXPECT_EQ(CellColour(0), kPanelColour);
    Repeat(&ApplicationStrip::CursorLeft, 10);  // stops on the list's first item
    EXPECT_EQ(CellColour(0), kCursorColour);
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_TRUE(Timeline().empty());

    Repeat(&ApplicationStrip::CursorRight, 2);
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(CellColour(2), kCursorColour);  // the cursor stays
    Down(CellMiddle(2));                      // a press leaving the cursor's cell gives it back its colour
    Move(CellMiddle(3));
    EXPECT_EQ(CellColour(2), kCursorColour);
    Move(POINT{CellMiddle(3).x, kStripTop + 20});
    Up(POINT{CellMiddle(3).x, kStripTop + 20});
    EXPECT_EQ(CellColour(3), kPanelColour);
    Tap(CellMiddle(4));
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(Timeline(), (Lines{Opened(2), kHidden, Opened(4), kHidden, Opened(2), kHidden}));

    TurnPage(kRightEnd);
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(Timeline().size(), 6u);
    TurnPage(kLeftEnd);
    EXPECT_EQ(CellColour(2), kPanelColour);
    Repeat(&ApplicationStrip::CursorRight);
    EXPECT_EQ(CellColour(0), kCursorColour);
}

TEST_F(Strip, PageButtonsShowOnlyForMoreThanTenItemsTurnSilentlyWithTheSoundOffAndSurviveTheLargeMode) {
    Start(0);
    for (COLORREF pixel : ScreenArea(kStripLeft, kStripTop, 230, 20)) ASSERT_EQ(pixel, kPanelColour);
    Tap(CellMiddle(0));
    Repeat(&ApplicationStrip::CursorRight);
    Repeat(&ApplicationStrip::LaunchCursorItem);

    Start(10);
    EXPECT_TRUE(HasIcon(0) && HasIcon(9));
    for (int x : {kLeftEnd, kRightEnd}) EXPECT_EQ(WindowAt(x, kStripTop + 10), L"Application Bar");

    Start(11, 1, 0);
    TurnPage(kRightEnd);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Prev Small Button");
    EXPECT_TRUE(device.device().log.events("beep").empty());
    EXPECT_TRUE(Timeline().empty());

    // The large mode on the second small page shows the next six items.
    Start(16);
    TurnPage(kRightEnd);
    RECT placed = {};
    OnUiThread([&] {
        strip->ToggleSize();
        strip->Paint();
        GetWindowRect(window, &placed);
    });
    EXPECT_EQ(std::pair(placed.top, placed.bottom), std::pair(kStripTop, kStripTop + 34));
    for (int y : {17, 33}) EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + y), L"Prev Button");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 17), L"Application Bar");  // 10 + 6 items: no more
    for (int place = 0; place < 6; ++place) EXPECT_TRUE(HasIcon(place, 0)) << place;
    Tap(CellMiddle(0, 0));
    Tap(CellMiddle(5, 0));
    EXPECT_EQ(Timeline(), (Lines{Opened(10), kHidden, Opened(15), kHidden}));
}
