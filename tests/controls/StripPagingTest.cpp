// The strip's pages: how many icons a page holds, which page buttons show, turning pages,
// and the large mode on a later page.
#include "StripFixture.h"

using namespace controls;
using Lines = std::vector<std::string>;

namespace {

using StripPaging = StripTest;

}  // namespace

TEST_F(StripPaging, TenSmallIconsFitOnOnePageWithoutPageButtons) {
    Start(10);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(HasIcon(0));
    EXPECT_TRUE(HasIcon(9));
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Application Bar");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Application Bar");
}

TEST_F(StripPaging, AnEleventhItemShowsTheNextButtonWhichTurnsToAPageOfOne) {
    Start(11);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Application Bar");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Next Small Button");

    device.host().tap(kRightEnd, kStripTop + 10);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Prev Small Button");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Application Bar");
    EXPECT_TRUE(HasIcon(0));
    EXPECT_FALSE(HasIcon(1));
    auto beeps = device.device().log.events("beep");
    ASSERT_EQ(beeps.size(), 1u);
    EXPECT_EQ(beeps[0].number("type"), MB_ICONHAND);
    Tap(CellMiddle(1));
    Tap(CellMiddle(0));
    EXPECT_EQ(Timeline(), (Lines{Opened(10), kHidden}));  // the page buttons talk to the strip only

    device.host().tap(kLeftEnd, kStripTop + 10);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Application Bar");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 10), L"Next Small Button");
    EXPECT_TRUE(HasIcon(9));
}

TEST_F(StripPaging, PageTurnsAreSilentWithTheSoundOff) {
    Start(11, 1, 0);
    device.host().tap(kRightEnd, kStripTop + 10);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 10), L"Prev Small Button");
    EXPECT_TRUE(device.device().log.events("beep").empty());
}

TEST_F(StripPaging, AnEmptyListShowsOnlyTheBackgroundAndTapsDoNothing) {
    Start(0);
    for (COLORREF pixel : ScreenArea(kStripLeft, kStripTop, 230, 20)) ASSERT_EQ(pixel, kPanelColour);
    Tap(CellMiddle(0));
    Repeat(&ApplicationStrip::CursorRight);
    Repeat(&ApplicationStrip::LaunchCursorItem);
    EXPECT_TRUE(Timeline().empty());
}

TEST_F(StripPaging, TheLargeModeOnTheSecondSmallPageShowsTheNextSixItems) {
    Start(16);
    device.host().tap(kRightEnd, kStripTop + 10);
    RECT placed = {};
    OnUiThread([&] {
        strip->ToggleSize();
        strip->Paint();
        GetWindowRect(window, &placed);
    });
    EXPECT_EQ(placed.top, kStripTop);
    EXPECT_EQ(placed.bottom - placed.top, 34);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 17), L"Prev Button");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 17), L"Application Bar");  // 10 + 6 items: no more
    for (int place = 0; place < 6; ++place) EXPECT_TRUE(HasIcon(place, 0)) << place;
    Tap(CellMiddle(0, 0));
    Tap(CellMiddle(5, 0));
    EXPECT_EQ(Timeline(), (Lines{Opened(10), kHidden, Opened(15), kHidden}));
}
