// The settings menu, a two-column icon menu in the bar: its geometry, the points the
// stylus reaches entries at, highlighting while dragging, choosing on release, repainting,
// and what its entries start.
#include <fstream>

#include "support/ControlHost.h"

#include "gdi/Gdi.h"
#include "system/ControlPanel.h"
#include "system/SettingsMenu.h"
#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"
#include "ui/TwoColumnIconMenu.h"

using Sent = std::vector<UINT>;

namespace {

const int kLeft = 32, kTop = 148;  // the menu's place in the bar, which covers the screen
const COLORREF kBlack = RGB(0, 0, 0);

class SettingsMenuTest : public test::ControlHost {
protected:
    void SetUp() override {
        ControlHost::SetUp();
        Show(RECT{0, 0, 240, 320}, menu, [this] { menu = BuildSettingsMenu(bar, instance); });
    }
    void Down(int x, int y) { device.host().stylus_down(kLeft + x, kTop + y); }
    void Move(int x, int y) { device.host().stylus_move(kLeft + x, kTop + y); }
    void Up(int x, int y) { device.host().stylus_up(kLeft + x, kTop + y); }
    COLORREF Pixel(int x, int y) { return device.host().pixel(kLeft + x, kTop + y); }
    // The top-left corner of entry i's cell: nine rows of 18 pixels on the left, the rest right.
    static POINT Cell(int i) { return i < 9 ? POINT{4, i * 18 + 5} : POINT{98, (i - 9) * 18 + 5}; }
    static POINT Centre(int i) { return POINT{Cell(i).x + 45, Cell(i).y + 9}; }
    COLORREF CellBackground(int i) { return Pixel(Cell(i).x + 86, Cell(i).y + 2); }  // above the label, right of the icon
    void Tap(int i) {
        Down(Centre(i).x, Centre(i).y);
        Up(Centre(i).x, Centre(i).y);
    }
    int Highlighted() {
        return device.host().inspect([this](emu::Device&) { return menu->Highlighted(); });
    }
    void ExpectEntry(int i, WORD icon, const wchar_t* label, COLORREF text, COLORREF fill) {
        SCOPED_TRACE("entry " + std::to_string(i));
        POINT cell = Cell(i);
        EXPECT_EQ(ScreenArea(kLeft + cell.x + 3, kTop + cell.y + 1, 16, 16), Icon(icon, 16, 16, fill));
        EXPECT_EQ(ScreenArea(kLeft + cell.x + 27, kTop + cell.y + 2, 58, 14),
                  Rendered(58, 14, fill, [&](HDC dc) { DrawLabel(dc, label, 1, 0, 0, text); }));
    }
    std::vector<emu::Event> Started() { return device.device().log.events("create-process"); }

    TwoColumnIconMenu* menu = nullptr;
};

}  // namespace

TEST_F(SettingsMenuTest, TheDividerEntriesAndSoftCorneredHighlightSitInTheirColumns) {
    for (auto [y, colour] : {std::pair{4, kMenuColour}, {5, kDividerColour}, {166, kDividerColour}, {167, kMenuColour}})
        EXPECT_EQ(Pixel(96, y), colour) << y;              // a polyline leaves out its end point
    ExpectEntry(0, 126, L"Buttons", kBlack, kMenuColour);  // icon at (7, 6), label at (31, 7)
    ExpectEntry(16, 123, L"Network", kBlack, kMenuColour);  // icon at (101, 150), label at (125, 151)

    Down(Centre(9).x, Centre(9).y);
    for (POINT p : {POINT{98, 5}, POINT{187, 22}, POINT{188, 10}, POINT{104, 23}})  // the corners stay soft
        EXPECT_EQ(Pixel(p.x, p.y), kMenuColour);
    for (POINT p : {POINT{99, 5}, POINT{98, 6}, POINT{186, 22}}) EXPECT_EQ(Pixel(p.x, p.y), kMenuHighlightColour);
    ExpectEntry(9, 127, L"Clock", kWhiteColour, kMenuHighlightColour);
}

TEST_F(SettingsMenuTest, OnlyPointsInsideTheMarginsReachAnEntry) {
    struct Press {
        int x, y, highlighted;  // -1: none
        UINT sent;              // 0: nothing
    } presses[] = {
        {5, 5, 0, 4025},     {4, 5, -1, 0},      {5, 4, -1, 0},    {188, 5, 9, 4034},
        {189, 5, -1, 0},     {20, 166, 8, 4033}, {20, 167, -1, 0}, {150, 160, -1, 0} /* past the last entry */,
        {100, 140, 16, 4041}};
    for (const Press& p : presses) {
        SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
        OnUiThread([this] { menu->ClearHighlight(); });
        Sent sent = Commands();
        if (p.sent) sent.push_back(p.sent);
        Down(p.x, p.y);
        EXPECT_EQ(Highlighted(), p.highlighted);
        Up(p.x, p.y);
        EXPECT_EQ(Commands(), sent);
        EXPECT_EQ(Highlighted(), p.highlighted);  // releasing leaves the highlight
    }
}

TEST_F(SettingsMenuTest, DraggingMovesTheHighlightReleasingChoosesItAndARepaintKeepsItAndRaisesTheMenu) {
    Down(Centre(0).x, Centre(0).y);
    Move(Centre(1).x, Centre(1).y);
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(CellBackground(0), kMenuColour);
    EXPECT_EQ(CellBackground(1), kMenuHighlightColour);
    Move(150, 160);  // past the last entry: the highlight stays
    EXPECT_EQ(Highlighted(), 1);
    Move(-10, Centre(1).y);  // off the menu, which holds the capture
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(CellBackground(1), kMenuColour);
    Up(Centre(3).x, Centre(3).y);  // over an entry that was not highlighted
    Down(Centre(4).x, Centre(4).y);
    Up(2, Centre(4).y);  // outside
    EXPECT_EQ(Commands(), Sent{4028});
    Down(-10, Centre(2).y);  // put down beside the menu, slid over it and away
    Move(Centre(2).x, Centre(2).y);
    Move(-10, Centre(2).y);
    Up(-10, Centre(2).y);
    EXPECT_EQ(Highlighted(), 4);

    OnUiThread([this] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = L"Cover";
        RegisterClass(&wc);
        HWND cover = CreateWindowEx(0, L"Cover", L"Cover", WS_CHILD | WS_VISIBLE, kLeft + 100, kTop + 100, 60, 40,
                                    bar, nullptr, nullptr, nullptr);
        SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // a new child comes below the menu
    });
    ASSERT_EQ(WindowAt(kLeft + 120, kTop + 120), L"Cover");
    Repaint(menu->Window());
    EXPECT_EQ(Highlighted(), 4);
    EXPECT_EQ(CellBackground(4), kMenuHighlightColour);
    EXPECT_EQ(WindowAt(kLeft + 120, kTop + 120), L"Settings Menu");
    EXPECT_EQ(Pixel(96, 120), kDividerColour);
}

TEST_F(SettingsMenuTest, EachEntryStartsTheAppletOfItsNameAndBacklightTheDevicesOwnProgramWhenItHasOne) {
    onCommand = [](UINT command) { StartSettingsEntry(command); };
    const std::size_t handles = device.host().inspect([](emu::Device& d) { return d.objects.handles.size(); });
    const int applets[] = {12, 8, 11, 2, 1, 9, 13, 5, 6, 16, 4, 3, 18, 10, 7, 15, 17};
    for (int i = 0; i < 17; ++i) Tap(i);
    auto started = Started();
    ASSERT_EQ(started.size(), 17u);
    const auto sent = Commands();
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(sent[i], 4025u + i);
        EXPECT_EQ(started[i].text("path"), "\\Windows\\ctlpnl.exe");
        EXPECT_EQ(started[i].text("args"), "cplmain.cpl," + std::to_string(applets[i])) << "entry " << i;
    }
    // The launcher keeps no handle of the processes it started.
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.objects.handles.size(); }), handles);

    std::ofstream(device.folder() / "Windows" / "backlight.exe") << "program";
    const std::size_t icons = device.host().inspect([](emu::Device& d) { return d.gdi->live_icons(); });
    Tap(8);
    EXPECT_EQ(Started().size(), 17u);
    auto opened = device.device().log.events("shell-execute");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text("file"), "\\Windows\\backlight.exe");
    // Asking the shell whether it knows the program keeps no icon.
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.gdi->live_icons(); }), icons);
}
