// The scroll bar: thumb size, line and page steps, dragging, the repeat worker, repaints.
#include "ConfigFixture.h"

#include <algorithm>

#include "config/ScrollBar.h"
#include "config/ScrollOwner.h"
#include "ui/Colours.h"
#include "ui/RepeatButton.h"

using Positions = std::vector<int>;

namespace {

// The scroll bar sits at (kLeft, kTop) of the full-screen bar, as tall as in the table.
const int kLeft = 100, kTop = 50, kWidth = 15, kHeight = 124;
const int kVisible = 7;
const COLORREF kTrack = RGB(200, 200, 200);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
// Where to press the three buttons, in the scroll bar's client area.
const int kUpButtonY = 7, kUp2ButtonY = kHeight - 29 + 7, kDownButtonY = kHeight - 15 + 7;
// The buttons cover the track's top row and its bottom row: what shows of it lies between.
const int kFirstShown = 15, kLastShown = kHeight - 30;

// What shows of a thumb with its top at `top`, `length` rows long.
std::pair<int, int> Visible(int top, int length) {
    const int first = std::max(top, kFirstShown), last = std::min(top + length - 1, kLastShown);
    return {first, last - first + 1};
}

class RecordingOwner : public ScrollOwner {
public:
    void Scroll(int code, int firstIndex) override {
        codes.push_back(code);
        positions.push_back(firstIndex);
    }
    std::vector<int> codes;
    Positions positions;
};

class ScrollBarTest : public config_test::ConfigTest {
protected:
    void Open(int items) {
        RunWithBar(config_test::kScreen, [this, items](HWND) { Make(items); }, [this] { Delete(); });
    }
    void Make(int items) {
        scrollBar = new ScrollBar(L"Scroll Bar for Test\n", WS_CHILD | WS_VISIBLE, kLeft, kTop, kWidth, kHeight, bar,
                                  instance);
        scrollBar->SetOwner(&owner);
        window = scrollBar->Create(1, items, kVisible);
    }
    void Delete() {
        delete scrollBar;
        scrollBar = nullptr;
    }

    // The thumb as seen: its first row and how many rows show, down the middle of the track.
    std::pair<int, int> Thumb() {
        int top = -1, length = 0;
        for (int y = kFirstShown; y <= kLastShown; ++y) {
            if (device.host().pixel(kLeft + 7, kTop + y) == kTrack) continue;
            if (top < 0) top = y;
            ++length;
        }
        return {top, length};
    }
    void Press(int y) { device.host().stylus_down(kLeft + 7, kTop + y); }
    void Move(int y) { device.host().stylus_move(kLeft + 7, kTop + y); }
    void Release(int y) { device.host().stylus_up(kLeft + 7, kTop + y); }
    void Tap(int y) { device.host().tap(kLeft + 7, kTop + y); }

    RecordingOwner owner;
    ScrollBar* scrollBar = nullptr;
    HWND window = nullptr;
};

}  // namespace

TEST_F(ScrollBarTest, TheThumbTakesTheVisibleShareOfTheTrackAndItsGripOnlyWhenLongEnough) {
    struct Case {
        int items, length;
    };
    Open(8);
    const auto grip = Icon(153, 13, 13, kWhite);
    for (Case c : {Case{8, 71}, Case{38, 15}, Case{39, 14}, Case{72, 8}, Case{256, 8}}) {
        SCOPED_TRACE("items " + std::to_string(c.items));
        OnUiThread([this, c] {
            Delete();
            Make(c.items);
            UpdateWindow(window);
        });
        EXPECT_EQ(Thumb(), Visible(14, c.length));
        EXPECT_EQ(device.host().pixel(kLeft + 7, kTop + 14 + c.length - 1), kBlack);
        const int gripTop = kTop + 14 + (c.length - 13) / 2;
        if (c.length >= 15) EXPECT_EQ(ScreenArea(kLeft + 1, gripTop, 13, 13), grip);
        else EXPECT_EQ(device.host().pixel(kLeft + 7, kTop + 14 + c.length / 2), kWhite);
    }
    EXPECT_TRUE(owner.positions.empty());
}

TEST_F(ScrollBarTest, LineStepsMoveOneItemAndDoNothingAtTheEndsButStillRepeat) {
    Open(8);
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kUpButtonY), L"Scroll Up Button");
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kUp2ButtonY), L"Scroll Up 2 Button");
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kDownButtonY), L"Scroll Down Button");
    EXPECT_EQ(ScreenArea(kLeft, kTop + kHeight - 15, 15, 15), Icon(151, 15, 15, kPanelColour));
    const int idle = LiveThreads();
    Press(kUpButtonY);  // already at the top
    EXPECT_TRUE(owner.positions.empty());
    EXPECT_EQ(LiveThreads(), idle + 1);
    Release(kUpButtonY);
    EXPECT_EQ(LiveThreads(), idle);

    Tap(kDownButtonY);
    EXPECT_EQ(owner.positions, Positions{1});
    EXPECT_EQ(owner.codes, std::vector<int>{kScrollNotification});
    EXPECT_EQ(Thumb(), Visible(25, 71));  // at the limit, 124 - 28 - 71

    Press(kDownButtonY);  // already at the end
    EXPECT_EQ(LiveThreads(), idle + 1);
    device.host().advance(1000);
    Release(kDownButtonY);
    EXPECT_EQ(owner.positions, Positions{1});
    EXPECT_EQ(LiveThreads(), idle);

    Tap(kUp2ButtonY);
    EXPECT_EQ(owner.positions, (Positions{1, 0}));
    EXPECT_EQ(Thumb(), Visible(14, 71));
}

TEST_F(ScrollBarTest, AHeldButtonRepeatsAfter300MsAtMostEvery50MsAndStopsOnReleaseOrDeletion) {
    Open(72);
    const int idle = LiveThreads();
    Press(kDownButtonY);
    EXPECT_EQ(owner.positions, Positions{1});
    device.host().advance(299);
    EXPECT_EQ(owner.positions, Positions{1});
    device.host().advance(1);
    EXPECT_EQ(owner.positions, (Positions{1, 2}));
    device.host().advance(49);
    EXPECT_EQ(owner.positions, (Positions{1, 2}));
    device.host().advance(151);  // at 350, 400, 450 and 500 ms
    EXPECT_EQ(owner.positions, (Positions{1, 2, 3, 4, 5, 6}));
    Release(kDownButtonY);
    device.host().advance(1000);
    EXPECT_EQ(owner.positions.size(), 6u);
    EXPECT_EQ(LiveThreads(), idle);

    Press(kDownButtonY);  // deleting the scroll bar while a button is held stops the worker
    EXPECT_EQ(LiveThreads(), idle + 1);
    OnUiThread([this] { Delete(); });
    EXPECT_EQ(LiveThreads(), idle);
    device.host().advance(1000);
    EXPECT_EQ(owner.positions.size(), 7u);
}

TEST_F(ScrollBarTest, ARepetitionWaitingToBeHandledWhenTheStopComesIsNeverHandled) {
    Open(72);
    Press(kDownButtonY);
    // The UI thread is busy past the first repetition, which waits for it, and then stops
    // the worker before it gets back to its messages.
    std::function<void()> busyThenStop = [this] {
        Sleep(400);
        SendMessage(window, kStopRepeatingCommand, 0, 0);
    };
    device.run([&] { PostMessage(bar, kRunAction, 0, reinterpret_cast<LPARAM>(&busyThenStop)); });
    device.host().advance(400);
    device.host().advance(1000);
    EXPECT_EQ(owner.positions, Positions{1});
    Release(kDownButtonY);
    EXPECT_EQ(owner.positions, Positions{1});
}

TEST_F(ScrollBarTest, ATrackTapPagesOnceAHeldOneStopsWhereTheThumbReachesTheStylusAndARepaintKeepsIt) {
    Open(72);  // thumb 8 long, limit 88, last position 65
    const int idle = LiveThreads();
    Tap(60);
    EXPECT_EQ(owner.positions, Positions{7});
    EXPECT_EQ(Thumb(), Visible(21, 8));
    EXPECT_EQ(LiveThreads(), idle);

    owner.positions.clear();
    Press(60);
    device.host().advance(1000);
    EXPECT_EQ(owner.positions, (Positions{14, 21, 28, 35}));
    EXPECT_EQ(Thumb(), Visible(53, 8));  // its bottom edge has passed y 60
    EXPECT_EQ(LiveThreads(), idle + 1);         // still repeating, to no effect
    Release(60);
    EXPECT_EQ(LiveThreads(), idle);

    Tap(20);
    EXPECT_EQ(owner.positions, (Positions{14, 21, 28, 35, 28}));
    EXPECT_EQ(Thumb(), Visible(45, 8));

    const auto before = ScreenArea(kLeft, kTop, kWidth, kHeight);  // a repaint shows the thumb where it is
    OnUiThread([this] {
        HDC dc = GetDC(window);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
    });
    Repaint(window);
    EXPECT_EQ(ScreenArea(kLeft, kTop, kWidth, kHeight), before);
    EXPECT_EQ(Thumb(), Visible(45, 8));
}

TEST_F(ScrollBarTest, ATapOnTheThumbsEdgesStartsADragNotAPage) {
    Open(72);
    Tap(60);  // the thumb now spans y 21 to 29
    for (int edge : {21, 29}) {
        SCOPED_TRACE("edge " + std::to_string(edge));
        owner.positions.clear();
        Press(edge);
        EXPECT_TRUE(owner.positions.empty());
        Move(edge + 5);  // only records where the stylus is
        EXPECT_TRUE(owner.positions.empty());
        Move(edge + 15);
        EXPECT_EQ(owner.positions, Positions{65 * 17 / 74});
        Move(edge + 5);
        Release(edge + 5);
        EXPECT_EQ(Thumb(), Visible(21, 8));
    }
}

TEST_F(ScrollBarTest, TheOwnerHearsOfEveryAcceptedMoveEvenWhenThePositionStays) {
    Open(8);  // the thumb moves from 14 to 25 for two positions
    Press(30);
    Move(30);
    for (int y = 31; y <= 35; ++y) Move(y);
    EXPECT_EQ(owner.positions, (Positions{0, 0, 0, 0, 0}));
    EXPECT_EQ(Thumb(), Visible(19, 71));
    Release(35);
}

TEST_F(ScrollBarTest, DraggingClampsTheThumbToTheTrackAndIgnoresAJumpPastItsEnd) {
    Open(72);  // thumb 8 long, limit 88, last position 65
    Press(18);
    Move(18);
    Move(96);  // the thumb's bottom would pass the track's end
    Move(10);  // upwards from the track top
    EXPECT_TRUE(owner.positions.empty());
    Move(30);  // measured from y 18: both moves were ignored
    EXPECT_EQ(owner.positions, Positions{65 * 12 / 74});
    EXPECT_EQ(Thumb(), Visible(26, 8));

    Move(94);  // 64 down: held at the limit
    EXPECT_EQ(owner.positions.back(), 65);
    EXPECT_EQ(Thumb(), Visible(88, 8));
    Move(95);  // outwards from the end: ignored, and y 94 stays the reference
    Move(90);
    EXPECT_EQ(owner.positions.back(), 65 * 70 / 74);
    EXPECT_EQ(Thumb(), Visible(84, 8));

    Move(-40);  // above the scroll bar itself: held at the track top
    EXPECT_EQ(owner.positions.back(), 0);
    EXPECT_EQ(Thumb(), Visible(14, 8));
    Release(-40);
    Move(60);  // no drag after the release
    EXPECT_EQ(owner.positions.size(), 4u);
}
