// The settings menu as an icon menu: its two-column geometry, the points the stylus
// reaches entries at, highlighting while dragging, choosing on release, and repainting.
#include "MenuFixture.h"

#include "ui/DrawingHelpers.h"
#include "ui/WindowRegistry.h"

using popups::kMenuLeft;
using popups::kMenuTop;
using popups::MenuTest;
using popups::Received;
using Messages = std::vector<UINT>;

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

class IconMenuTest : public MenuTest {
protected:
    // The entry's icon and label as the screen shows them, and as they look drawn alone
    // over the cell's colour.
    void ExpectEntryDrawn(int i, WORD icon, const wchar_t* label, COLORREF text, COLORREF fill) {
        SCOPED_TRACE("entry " + std::to_string(i));
        POINT cell = Cell(i);
        EXPECT_EQ(ScreenArea(kMenuLeft + cell.x + 3, kMenuTop + cell.y + 1, 16, 16), IconOver(icon, 16, fill));
        const int labelWidth = 58, labelHeight = 14;
        EXPECT_EQ(ScreenArea(kMenuLeft + cell.x + 27, kMenuTop + cell.y + 2, labelWidth, labelHeight),
                  Rendered(labelWidth, labelHeight, fill, [&](HDC dc) { DrawLabel(dc, label, 1, 0, 0, text); }));
    }
};

}  // namespace

TEST_F(IconMenuTest, TheDividerSplitsTheColumnsBetweenTheMargins) {
    EXPECT_EQ(Pixel(96, 4), kMenuColour);
    EXPECT_EQ(Pixel(96, 5), kDividerColour);
    EXPECT_EQ(Pixel(96, 166), kDividerColour);
    EXPECT_EQ(Pixel(96, 167), kMenuColour);  // the end point is not drawn
    EXPECT_EQ(Pixel(95, 80), kMenuColour);
    EXPECT_EQ(Pixel(97, 80), kMenuColour);
}

TEST_F(IconMenuTest, EntriesFillTheLeftColumnFirstAndTheRightOneFromTheTop) {
    ExpectEntryDrawn(0, 126, L"Buttons", kBlack, kMenuColour);
    ExpectEntryDrawn(8, 124, L"Backlight", kBlack, kMenuColour);
    ExpectEntryDrawn(9, 127, L"Clock", kBlack, kMenuColour);  // beside Buttons
    ExpectEntryDrawn(16, 123, L"Network", kBlack, kMenuColour);
    // Icons sit at (7, 6) and (101, 6) in the first row, labels at (31, 7) and (125, 7).
    EXPECT_EQ(Cell(0).x + 3, 7);
    EXPECT_EQ(Cell(9).x + 27, 125);
}

TEST_F(IconMenuTest, AHighlightedRowZeroCellIsASoftBlueRectangle) {
    Down(Centre(0).x, Centre(0).y);
    EXPECT_EQ(Pixel(4, 5), kMenuColour);  // soft corners
    EXPECT_EQ(Pixel(93, 22), kMenuColour);
    EXPECT_EQ(Pixel(5, 5), kMenuHighlightColour);
    EXPECT_EQ(Pixel(4, 6), kMenuHighlightColour);
    EXPECT_EQ(Pixel(92, 22), kMenuHighlightColour);
    EXPECT_EQ(Pixel(94, 10), kMenuColour);
    EXPECT_EQ(Pixel(10, 23), kMenuColour);
    ExpectEntryDrawn(0, 126, L"Buttons", kWhiteColour, kMenuHighlightColour);

    Move(Centre(9).x, Centre(9).y);
    EXPECT_EQ(Pixel(98, 5), kMenuColour);
    EXPECT_EQ(Pixel(187, 22), kMenuColour);
    EXPECT_EQ(Pixel(99, 5), kMenuHighlightColour);
    EXPECT_EQ(Pixel(186, 22), kMenuHighlightColour);
    EXPECT_EQ(Pixel(188, 10), kMenuColour);
    ExpectEntryDrawn(9, 127, L"Clock", kWhiteColour, kMenuHighlightColour);
    ExpectEntryDrawn(0, 126, L"Buttons", kBlack, kMenuColour);
}

TEST_F(IconMenuTest, OnlyPointsInsideTheMarginsReachAnEntry) {
    struct Press {
        int x, y;
        int highlighted;  // -1: none
        UINT sent;        // 0: nothing
    };
    const Press presses[] = {
        {5, 5, 0, 4025},    {4, 5, -1, 0},        {5, 4, -1, 0},   {188, 5, 9, 4034},
        {189, 5, -1, 0},    {20, 166, 8, 4033},   {20, 167, -1, 0}, {150, 160, -1, 0},  // past the last entry
        {100, 140, 16, 4041},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE("press at " + std::to_string(p.x) + ", " + std::to_string(p.y));
        OnUiThread([this] { menu->ClearHighlight(); });
        Received().clear();
        Down(p.x, p.y);
        EXPECT_EQ(Highlighted(), p.highlighted);
        Up(p.x, p.y);
        EXPECT_EQ(Received(), p.sent ? Messages{p.sent} : Messages{});
        EXPECT_EQ(Highlighted(), p.highlighted);  // releasing leaves the highlight
    }
}

TEST_F(IconMenuTest, DraggingMovesTheHighlightAndOutOfTheMarginsClearsIt) {
    Down(Centre(0).x, Centre(0).y);
    EXPECT_EQ(CellBackground(0), kMenuHighlightColour);
    Move(Centre(1).x, Centre(1).y);
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(CellBackground(0), kMenuColour);
    EXPECT_EQ(CellBackground(1), kMenuHighlightColour);
    Move(150, 160);  // past the last entry: the highlight stays
    EXPECT_EQ(Highlighted(), 1);
    Move(2, Centre(1).y);
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(CellBackground(1), kMenuColour);
    Up(2, Centre(1).y);
    EXPECT_TRUE(Received().empty());
}

TEST_F(IconMenuTest, ReleasingOverAnEntrySendsItsCommandWhateverIsHighlighted) {
    Down(Centre(0).x, Centre(0).y);
    Move(-10, Centre(0).y);  // dragged off the menu, holding the capture
    Up(Centre(3).x, Centre(3).y);
    EXPECT_EQ(Received(), Messages{4028});
    EXPECT_EQ(Highlighted(), -1);
}

TEST_F(IconMenuTest, EveryEntrySendsItsOwnCommand) {
    for (int i = 0; i < 17; ++i) Tap(i);
    Messages expected;
    for (UINT command = 4025; command <= 4041; ++command) expected.push_back(command);
    EXPECT_EQ(Received(), expected);
}

namespace {

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &ps.rcPaint, red);
    DeleteObject(red);
    EndPaint(window, &ps);
    return 0;
}

}  // namespace

TEST_F(IconMenuTest, ARepaintDrawsEveryEntryPlainKeepsTheIndexAndRaisesTheMenu) {
    Down(Centre(2).x, Centre(2).y);
    Up(Centre(2).x, Centre(2).y);
    OnUiThread([this] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = CoverProc;
        wc.lpszClassName = L"Cover";
        RegisterClass(&wc);
        CreateWindowEx(0, L"Cover", L"Cover", WS_CHILD | WS_VISIBLE, kMenuLeft + 100, kMenuTop + 100, 60, 40, bar,
                       nullptr, nullptr, nullptr);
    });
    ASSERT_EQ(WindowAt(kMenuLeft + 120, kMenuTop + 120), L"Cover");
    OnUiThread([this] {
        InvalidateRect(menu->Window(), nullptr, TRUE);
        UpdateWindow(menu->Window());
    });
    EXPECT_EQ(Highlighted(), 2);
    EXPECT_EQ(CellBackground(2), kMenuColour);
    EXPECT_EQ(WindowAt(kMenuLeft + 120, kMenuTop + 120), L"Settings Menu");
    EXPECT_EQ(Pixel(96, 120), kDividerColour);
}

TEST(IconMenuRegistration, AClassNameInUseFailsTheCreateAndSaysSo) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    const int registered = appState.windowRegistry->count();
    device.run([instance] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = L"Settings Menu";
        RegisterClass(&wc);
        TwoColumnIconMenu menu(L"Settings Menu", WS_CHILD | WS_VISIBLE, 0, 0, 193, 172, nullptr, instance, 17);
        EXPECT_EQ(menu.Create(1, 18), nullptr);
    });
    auto debug = device.device().log.events("debug");
    ASSERT_FALSE(debug.empty());
    EXPECT_EQ(debug.back().text("text"), "RegisterClass Failed: Settings Menu\n");
    EXPECT_EQ(appState.windowRegistry->count(), registered);
}
