// The strip's pages: how many icons a page holds, which page buttons show, turning pages,
// and switching from the small to the large mode on a later page.
#include "StripFixture.h"

using controls::kStripLeft;
using controls::kStripTop;
using controls::Program;

namespace {

using StripPaging = controls::StripTest;

// Points on the page buttons' places at either end of the strip.
const int kLeftEnd = kStripLeft + 3, kRightEnd = kStripLeft + 224;

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
    EXPECT_TRUE(controls::Received().empty());  // the page buttons talk to the strip only

    Tap(CellMiddle(0));
    Tap(CellMiddle(1));
    EXPECT_EQ(Launched(), std::vector<std::string>{Program(10)});

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
    OnStrip(&ApplicationStrip::CursorRight);
    OnStrip(&ApplicationStrip::LaunchCursorItem);
    EXPECT_TRUE(Launched().empty());
    EXPECT_TRUE(controls::Received().empty());
}

TEST_F(StripPaging, TheLargeModeOnTheSecondSmallPageShowsTheNextSixItems) {
    Start(16);
    device.host().tap(kRightEnd, kStripTop + 10);
    OnUiThread([this] {
        strip->ToggleSize();
        strip->Paint();
    });
    RECT placed = {};
    device.run([&] { GetWindowRect(window, &placed); });
    EXPECT_EQ(placed.top, kStripTop);
    EXPECT_EQ(placed.bottom - placed.top, 34);
    EXPECT_EQ(WindowAt(kLeftEnd, kStripTop + 17), L"Prev Button");
    EXPECT_EQ(WindowAt(kRightEnd, kStripTop + 17), L"Application Bar");  // 10 + 6 items: no more
    for (int place = 0; place < 6; ++place) EXPECT_TRUE(HasIcon(place, 0)) << place;

    Tap(CellMiddle(0, 0));
    Tap(CellMiddle(5, 0));
    EXPECT_EQ(Launched(), (std::vector<std::string>{Program(10), Program(15)}));
}
