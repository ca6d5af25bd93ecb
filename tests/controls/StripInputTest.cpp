// Launching from the strip with the stylus and with the cursor keys; every launch is
// followed by the strip's command to its parent.
#include "StripFixture.h"

using namespace controls;
using Lines = std::vector<std::string>;

namespace {

using StripInput = StripTest;

}  // namespace

TEST_F(StripInput, SlidingToAnotherIconAndLiftingLaunchesThatOne) {
    Start(5);
    Down(CellMiddle(1));
    EXPECT_EQ(CellColour(1), kPressedColour);
    Move(CellMiddle(3));
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_EQ(CellColour(3), kPressedColour);
    Up(CellMiddle(3));
    EXPECT_EQ(Timeline(), (Lines{Opened(3), kHidden}));
    EXPECT_EQ(CellColour(3), kPanelColour);
}

TEST_F(StripInput, LeavingTheStripBeforeLiftingLaunchesNothing) {
    Start(5);
    Down(CellMiddle(1));
    Move(POINT{CellMiddle(1).x, kStripTop + 20});
    EXPECT_EQ(CellColour(1), kPanelColour);
    Up(POINT{CellMiddle(1).x, kStripTop + 20});
    Down(CellMiddle(2));
    Up(POINT{CellMiddle(2).x, kStripTop - 10});  // lifted outside without a move there
    EXPECT_EQ(CellColour(2), kPanelColour);
    Tap(POINT{kStripLeft + 5, kStripTop + 10});  // left of the cells: presses nothing
    EXPECT_TRUE(Timeline().empty());
}

TEST_F(StripInput, LiftingOverAnEmptyCellLaunchesTheLastIconUnderThePen) {
    Start(5);
    Down(CellMiddle(4));
    Move(CellMiddle(7));
    EXPECT_EQ(CellColour(4), kPressedColour);
    Up(CellMiddle(7));
    EXPECT_EQ(Timeline(), (Lines{Opened(4), kHidden}));
}

TEST_F(StripInput, ThePixelColumnRightOfTheLastSmallCellHoldsNoItemOfTheNextPage) {
    Start(11);
    POINT beyond = {kStripLeft + 215, kStripTop + 10};  // column (215 - 15) / 20 = 10
    Down(CellMiddle(9));
    Move(beyond);
    EXPECT_EQ(CellColour(9), kPressedColour);
    Up(beyond);
    EXPECT_EQ(Timeline(), (Lines{Opened(9), kHidden}));
}

TEST_F(StripInput, TheCursorCrossesPageEdgesBothWays) {
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
}

TEST_F(StripInput, TheStartKeyLaunchesTheCursorItemAndKeepsTheCursor) {
    Start(11);
    Repeat(&ApplicationStrip::CursorRight, 3);
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(CellColour(2), kCursorColour);
    Tap(CellMiddle(4));
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(Timeline(), (Lines{Opened(2), kHidden, Opened(4), kHidden, Opened(2), kHidden}));
}

TEST_F(StripInput, PagingAwayFromTheCursorDropsIt) {
    Start(11);
    Repeat(&ApplicationStrip::CursorRight, 3);
    device.host().tap(kRightEnd, kStripTop + 10);
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_TRUE(Timeline().empty());
    device.host().tap(kLeftEnd, kStripTop + 10);
    EXPECT_EQ(CellColour(2), kPanelColour);
    Repeat(&ApplicationStrip::CursorRight);
    EXPECT_EQ(CellColour(0), kCursorColour);
}
