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
const COLORREF kTrack = RGB(200, 200, 200);
// Where to press the three buttons, in the scroll bar's client area.
const int kUp = 7, kUp2 = kHeight - 29 + 7, kDown = kHeight - 15 + 7;
// The buttons cover the track's top row and its bottom row: what shows of it lies between.
const int kFirstShown = 15, kLastShown = kHeight - 30;

// A stylus action at a height of the scroll bar, or time passing, and what follows it: the
// positions the owner heard of meanwhile, where the thumb's top shows (0: not checked) and
// whether a repeat worker runs (-1: not checked).
enum Action { Press, Move, Release, Tap, Wait };
struct Step {
    Action action;
    int value;  // y, or milliseconds
    Positions heard;
    int thumbTop = 0, repeating = -1;
};

class RecordingOwner : public ScrollOwner {
public:
    void Scroll(int code, int firstIndex) override {
        EXPECT_EQ(code, kScrollNotification);
        positions.push_back(firstIndex);
    }
    Positions positions;
};

class ScrollBarTest : public config_test::ConfigTest {
protected:
    // Shows a scroll bar for `items` items, 7 visible, in place of the one shown before.
    void Open(int items) {
        Show(config_test::kScreen, scrollBar, [this, items] {
            scrollBar = new ScrollBar(L"Scroll Bar for Test\n", WS_CHILD | WS_VISIBLE, kLeft, kTop, kWidth, kHeight,
                                      bar, instance);
            scrollBar->SetOwner(&owner);
            window = scrollBar->Create(1, items, 7);
            UpdateWindow(window);
        });
        idle = LiveThreads();
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
    // What shows of a thumb with its top at `top`, `length` rows long.
    static std::pair<int, int> Visible(int top, int length) {
        const int first = std::max(top, kFirstShown), last = std::min(top + length - 1, kLastShown);
        return {first, last - first + 1};
    }
    // Plays the steps on a thumb `length` rows long.
    void Play(int length, std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            SCOPED_TRACE("action " + std::to_string(step.action) + " at " + std::to_string(step.value));
            const std::size_t heard = owner.positions.size();
            const int x = kLeft + 7, y = kTop + step.value;
            switch (step.action) {
            case Press: device.host().stylus_down(x, y); break;
            case Move: device.host().stylus_move(x, y); break;
            case Release: device.host().stylus_up(x, y); break;
            case Tap: device.host().tap(x, y); break;
            case Wait: device.host().advance(step.value); break;
            }
            EXPECT_EQ(Positions(owner.positions.begin() + heard, owner.positions.end()), step.heard);
            if (step.thumbTop) {
                EXPECT_EQ(Thumb(), Visible(step.thumbTop, length));
            }
            if (step.repeating >= 0) {
                EXPECT_EQ(LiveThreads(), idle + step.repeating);
            }
        }
    }

    RecordingOwner owner;
    ScrollBar* scrollBar = nullptr;
    HWND window = nullptr;
    int idle = 0;
};

}  // namespace

TEST_F(ScrollBarTest, TheThumbTakesTheVisibleShareOfTheTrackAndItsGripOnlyWhenLongEnough) {
    const auto grip = Icon(153, 13, 13, RGB(255, 255, 255));
    for (auto [items, length] : {std::pair{8, 71}, {38, 15}, {39, 14}, {72, 8}, {256, 8}}) {
        SCOPED_TRACE("items " + std::to_string(items));
        Open(items);
        EXPECT_EQ(Thumb(), Visible(14, length));
        EXPECT_EQ(device.host().pixel(kLeft + 7, kTop + 14 + length - 1), RGB(0, 0, 0));
        if (length >= 15) EXPECT_EQ(ScreenArea(kLeft + 1, kTop + 14 + (length - 13) / 2, 13, 13), grip);
        else EXPECT_EQ(device.host().pixel(kLeft + 7, kTop + 14 + length / 2), RGB(255, 255, 255));
    }
    EXPECT_TRUE(owner.positions.empty());
}

TEST_F(ScrollBarTest, LineStepsMoveOneItemAndDoNothingAtTheEndsButStillRepeat) {
    Open(8);  // the thumb is 71 long; its limit is 124 - 28 - 71 = 25
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kUp), L"Scroll Up Button");
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kUp2), L"Scroll Up 2 Button");
    EXPECT_EQ(WindowAt(kLeft + 7, kTop + kDown), L"Scroll Down Button");
    EXPECT_EQ(ScreenArea(kLeft, kTop + kHeight - 15, 15, 15), Icon(151, 15, 15, kPanelColour));
    Play(71, {{Press, kUp, {}, 14, 1},  // already at the top
              {Release, kUp, {}, 14, 0},
              {Tap, kDown, {1}, 25, 0},
              {Press, kDown, {}, 25, 1},  // already at the end
              {Wait, 1000, {}},
              {Release, kDown, {}, 25, 0},
              {Tap, kUp2, {0}, 14, 0}});
}

TEST_F(ScrollBarTest, AHeldButtonRepeatsAfter300MsAtMostEvery50MsAndStopsOnReleaseOrDeletion) {
    Open(72);
    Play(8, {{Press, kDown, {1}, 0, 1},
             {Wait, 299, {}},
             {Wait, 1, {2}},
             {Wait, 49, {}},
             {Wait, 151, {3, 4, 5, 6}},  // at 350, 400, 450 and 500 ms
             {Release, kDown, {}, 0, 0},
             {Wait, 1000, {}},
             {Press, kDown, {7}, 0, 1}});
    OnUiThread([this] {
        delete scrollBar;
        scrollBar = nullptr;
    });
    Play(8, {{Wait, 1000, {}, 0, 0}});
}

TEST_F(ScrollBarTest, ARepetitionWaitingToBeHandledWhenTheStopComesIsNeverHandled) {
    Open(72);
    Play(8, {{Press, kDown, {1}}});
    // The UI thread is busy past the first repetition, which waits for it, and then stops
    // the worker before it gets back to its messages.
    std::function<void()> busyThenStop = [this] {
        Sleep(400);
        SendMessage(window, kStopRepeatingCommand, 0, 0);
    };
    device.run([&] { PostMessage(bar, kRunAction, 0, reinterpret_cast<LPARAM>(&busyThenStop)); });
    Play(8, {{Wait, 400, {}}, {Wait, 1000, {}}, {Release, kDown, {}}});
}

TEST_F(ScrollBarTest, ATrackTapPagesOnceAHeldOneStopsWhereTheThumbReachesTheStylusAndARepaintKeepsIt) {
    Open(72);  // thumb 8 long, limit 88, last position 65
    Play(8, {{Tap, 60, {7}, 21, 0},
             {Press, 60, {14}},
             {Wait, 1000, {21, 28, 35}, 53, 1},  // its bottom edge has passed y 60; still repeating to no effect
             {Release, 60, {}, 53, 0},
             {Tap, 20, {28}, 45, 0}});
    const auto before = ScreenArea(kLeft, kTop, kWidth, kHeight);
    OnUiThread([this] {
        HDC dc = GetDC(window);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
    });
    Repaint(window);
    EXPECT_EQ(ScreenArea(kLeft, kTop, kWidth, kHeight), before);
}

TEST_F(ScrollBarTest, ATapOnTheThumbsEdgesStartsADragThatFollowsTheStylusFromItsSecondMove) {
    Open(72);
    Play(8, {{Tap, 60, {7}, 21}});  // the thumb now spans y 21 to 29
    for (int edge : {21, 29})
        Play(8, {{Press, edge, {}},
                 {Move, edge + 5, {}},  // only records where the stylus is
                 {Move, edge + 15, {65 * 17 / 74}, 31},
                 {Move, edge + 5, {65 * 7 / 74}, 21},
                 {Release, edge + 5, {}, 21}});

    Open(8);  // the owner hears of every accepted move, even when the position stays
    Play(71, {{Press, 30, {}}, {Move, 30, {}}, {Move, 31, {0}}, {Move, 32, {0}}, {Move, 35, {0}, 19}, {Release, 35, {}}});
}

TEST_F(ScrollBarTest, DraggingClampsTheThumbToTheTrackAndIgnoresAJumpPastItsEnd) {
    Open(72);  // thumb 8 long, limit 88, last position 65
    Play(8, {{Press, 18, {}},
             {Move, 18, {}},
             {Move, 96, {}},  // the thumb's bottom would pass the track's end
             {Move, 10, {}},  // upwards from the track top
             {Move, 30, {65 * 12 / 74}, 26},  // measured from y 18: both moves were ignored
             {Move, 94, {65}, 88},  // 64 down: held at the limit
             {Move, 95, {}},  // outwards from the end: ignored, and y 94 stays the reference
             {Move, 90, {65 * 70 / 74}, 84},
             {Move, -40, {0}, 14},  // above the scroll bar itself: held at the track top
             {Release, -40, {}},
             {Move, 60, {}, 14}});  // no drag after the release
}
