// Launching from the strip with the stylus and with the cursor keys; every launch is
// followed by the strip's command to its parent.
#include "StripFixture.h"

using controls::kCursorColour;
using controls::kHideCommand;
using controls::kPressedColour;
using controls::kStripLeft;
using controls::kStripTop;
using controls::Program;
using Files = std::vector<std::string>;
using Counts = std::vector<std::size_t>;

namespace {

using StripInput = controls::StripTest;

}  // namespace

TEST_F(StripInput, SlidingToAnotherIconAndLiftingLaunchesThatOneThenHidesTheBar) {
    Start(5);
    POINT from = CellMiddle(1), to = CellMiddle(3);
    device.host().stylus_down(from.x, from.y);
    EXPECT_EQ(CellColour(1), kPressedColour);
    device.host().stylus_move(to.x, to.y);
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_EQ(CellColour(3), kPressedColour);
    device.host().stylus_up(to.x, to.y);
    EXPECT_EQ(Launched(), Files{Program(3)});
    EXPECT_EQ(controls::Received(), std::vector<UINT>{kHideCommand});
    EXPECT_EQ(launches_at_command, Counts{1});
    EXPECT_EQ(CellColour(3), kPanelColour);
}

TEST_F(StripInput, SlidingOffTheStripBeforeLiftingLaunchesNothing) {
    Start(5);
    POINT p = CellMiddle(1);
    device.host().stylus_down(p.x, p.y);
    device.host().stylus_move(p.x, kStripTop + 20);
    EXPECT_EQ(CellColour(1), kPanelColour);
    device.host().stylus_up(p.x, kStripTop + 20);
    EXPECT_TRUE(Launched().empty());
    EXPECT_TRUE(controls::Received().empty());
}

TEST_F(StripInput, LiftingOutsideTheStripEndsThePress) {
    Start(5);
    POINT p = CellMiddle(2);
    device.host().stylus_down(p.x, p.y);
    device.host().stylus_up(p.x, kStripTop - 10);
    EXPECT_EQ(CellColour(2), kPanelColour);
    device.host().stylus_down(kStripLeft + 5, kStripTop + 10);  // left of the cells: presses nothing
    device.host().stylus_up(kStripLeft + 5, kStripTop + 10);
    EXPECT_TRUE(Launched().empty());
}

TEST_F(StripInput, LiftingOverAnEmptyCellLaunchesTheLastIconUnderThePen) {
    Start(5);
    POINT from = CellMiddle(4), to = CellMiddle(7);
    device.host().stylus_down(from.x, from.y);
    device.host().stylus_move(to.x, to.y);
    EXPECT_EQ(CellColour(4), kPressedColour);
    device.host().stylus_up(to.x, to.y);
    EXPECT_EQ(Launched(), Files{Program(4)});
}

TEST_F(StripInput, ThePixelColumnRightOfTheLastSmallCellHoldsNoItemOfTheNextPage) {
    Start(11);
    POINT p = CellMiddle(9);
    const int beyond = kStripLeft + 215;  // column (215 - 15) / 20 = 10, the next page's first
    device.host().stylus_down(p.x, p.y);
    device.host().stylus_move(beyond, p.y);
    EXPECT_EQ(CellColour(9), kPressedColour);
    device.host().stylus_up(beyond, p.y);
    EXPECT_EQ(Launched(), Files{Program(9)});
}

TEST_F(StripInput, TheCursorRunsAcrossPageEdgesBothWays) {
    Start(11);
    OnStrip(&ApplicationStrip::CursorRight);
    EXPECT_EQ(CellColour(0), kCursorColour);
    OnStrip(&ApplicationStrip::CursorRight, 9);
    EXPECT_EQ(CellColour(8), kPanelColour);
    EXPECT_EQ(CellColour(9), kCursorColour);

    OnStrip(&ApplicationStrip::CursorRight);  // from the last cell onto the next page
    EXPECT_EQ(CellColour(0), kCursorColour);
    EXPECT_FALSE(HasIcon(1));
    OnStrip(&ApplicationStrip::CursorRight);  // the list's last item: nothing further
    EXPECT_EQ(CellColour(0), kCursorColour);

    OnStrip(&ApplicationStrip::CursorLeft);  // back onto the last cell of the first page
    EXPECT_EQ(CellColour(9), kCursorColour);
    EXPECT_EQ(CellColour(0), kPanelColour);
    OnStrip(&ApplicationStrip::CursorLeft, 10);  // stops on the list's first item
    EXPECT_EQ(CellColour(0), kCursorColour);
    EXPECT_EQ(CellColour(1), kPanelColour);
    EXPECT_TRUE(controls::Received().empty());
    EXPECT_TRUE(device.device().log.events("beep").empty());
}

TEST_F(StripInput, TheStartKeyLaunchesTheCursorItemAndKeepsTheCursor) {
    Start(11);
    OnStrip(&ApplicationStrip::CursorRight, 3);
    OnStrip(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(Launched(), Files{Program(2)});
    EXPECT_EQ(launches_at_command, Counts{1});
    EXPECT_EQ(CellColour(2), kCursorColour);

    Tap(CellMiddle(4));
    OnStrip(&ApplicationStrip::LaunchCursorItem);
    EXPECT_EQ(Launched(), (Files{Program(2), Program(4), Program(2)}));
    EXPECT_EQ(launches_at_command, (Counts{1, 2, 3}));
}

TEST_F(StripInput, PagingAwayFromTheCursorDropsIt) {
    Start(11);
    OnStrip(&ApplicationStrip::CursorRight, 3);
    device.host().tap(kStripLeft + 224, kStripTop + 10);  // Next Small Button
    OnStrip(&ApplicationStrip::LaunchCursorItem);
    EXPECT_TRUE(Launched().empty());
    device.host().tap(kStripLeft + 3, kStripTop + 10);  // Prev Small Button
    EXPECT_EQ(CellColour(2), kPanelColour);
    OnStrip(&ApplicationStrip::CursorRight);
    EXPECT_EQ(CellColour(0), kCursorColour);
}
