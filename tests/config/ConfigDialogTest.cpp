// The configuration dialog: its drawing, the option boxes and their tap areas, repaints,
// the close button for both heights, and the results the parent reads when it closes.
#include "ConfigFixture.h"

#include <algorithm>

#include "app/ApplicationState.h"
#include "config/ConfigDialog.h"
#include "ui/Colours.h"
#include "ui/IconButton.h"
#include "ui/WindowRegistry.h"


namespace {

const int kSmallHeight = 272, kLargeHeight = 258;
const UINT kCloseCommand = 3026;
const int kAutoloadBoxTop = 202, kSoundBoxTop = 232;

// What the parent read from the dialog when it closed it.
struct Results {
    int autoload = -1, sound = -1, count = -1;
    std::vector<std::wstring> names;
};

class ConfigDialogTest : public config_test::ConfigTest {
protected:
    void SetUp() override {
        ConfigTest::SetUp();
        registered = appState.windowRegistry->count();
        // The parent takes the results and deletes the dialog, as the bar does.
        popups::g_onCommand = [this](UINT command) {
            if (command != kCloseCommand) return;
            results = Read();
            delete dialog;
            dialog = nullptr;
        };
    }
    void Open(int height, int autoload, int sound) {
        RunWithBar([=, this](HWND) { Make(height, autoload, sound); },
                   [this] {
                       delete dialog;
                       dialog = nullptr;
                   });
    }
    void Make(int height, int autoload, int sound) {
        dialog = new ConfigDialog(L"Config Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, height, bar, instance,
                                  kCloseCommand);
        dialog->SetItems(items.data(), static_cast<int>(items.size()));
        dialog->SetOptions(autoload, sound);
        window = dialog->Create(1);
    }
    Results Read() {
        Results read{dialog->Autoload(), dialog->Sound(), dialog->SelectedCount(), {}};
        ApplicationItem* selected = dialog->SelectedItems();
        for (int i = 0; i < read.count; ++i) read.names.push_back(selected[i].name);
        delete[] selected;
        return read;
    }
    std::pair<int, int> Options() {
        return device.host().inspect(
            [this](emu::Device&) { return std::make_pair(dialog->Autoload(), dialog->Sound()); });
    }
    std::vector<COLORREF> Box(int top) { return ScreenArea(20, top, 14, 12); }
    RECT WindowRect(HWND of) {
        RECT rect = {};
        device.run([&] { GetWindowRect(of, &rect); });
        return rect;
    }
    HWND WindowUnder(int x, int y) {
        HWND found = nullptr;
        device.run([&] { found = WindowFromPoint(POINT{x, y}); });
        return found;
    }

    std::vector<ApplicationItem> items = config_test::MakeItems(3);
    ConfigDialog* dialog = nullptr;
    HWND window = nullptr;
    Results results;
    int registered = 0;
};

bool HasInk(const std::vector<COLORREF>& pixels, COLORREF background) {
    return std::any_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c != background; });
}

}  // namespace

TEST_F(ConfigDialogTest, TheDialogShowsItsTitleHintsTableAndOptions) {
    items[2].selected = 1;
    Open(kSmallHeight, 0, 1);
    EXPECT_EQ(ScreenArea(70, 7, 14, 14), IconOver(109, 14, kPanelColour));
    EXPECT_TRUE(HasInk(ScreenArea(90, 7, 80, 14), kPanelColour));  // "Configuration"
    for (int x = 2; x <= 236; x += 2) EXPECT_EQ(device.host().pixel(x, 25), kTextColour) << x;
    EXPECT_TRUE(HasInk(ScreenArea(20, 31, 150, 26), kWhiteColour));  // the two hint lines
    const RECT table = WindowRect(WindowUnder(100, 100));
    EXPECT_EQ(table.left, 20);
    EXPECT_EQ(table.top, 65);
    EXPECT_EQ(table.right, 220);
    EXPECT_EQ(table.bottom, 193);
    EXPECT_TRUE(HasInk(ScreenArea(40, 200, 150, 26), kWhiteColour));  // the autoload lines
    EXPECT_TRUE(HasInk(ScreenArea(40, 230, 100, 12), kWhiteColour));  // "Turn on Sound"
    EXPECT_EQ(ScreenArea(24, 66 + 2 * 18 + 3, 14, 12), BoxIcon(148));  // the ticked item
}

TEST_F(ConfigDialogTest, OnlyTapsOnTheBoxesFlipTheOptionsEachToZeroOrOne) {
    Open(kSmallHeight, 5, -1);  // any non-zero flag shows ticked
    EXPECT_EQ(Box(kAutoloadBoxTop), BoxIcon(148));
    EXPECT_EQ(Box(kSoundBoxTop), BoxIcon(148));
    struct Tap {
        int x, y, autoload, sound;
    };
    const Tap taps[] = {
        {20, 202, 0, -1}, {34, 213, 1, -1}, {27, 207, 0, -1},                // the autoload box, corners included
        {35, 207, 0, -1}, {19, 207, 0, -1}, {27, 201, 0, -1}, {27, 214, 0, -1},  // just outside it
        {60, 205, 0, -1}, {60, 218, 0, -1},                                  // its text
        {27, 232, 0, 0}, {34, 243, 0, 1}, {20, 240, 0, 0},                   // the sound box
        {27, 231, 0, 0}, {27, 244, 0, 0}, {35, 235, 0, 0}, {70, 235, 0, 0},  // around it and its text
    };
    for (const Tap& tap : taps) {
        SCOPED_TRACE("tap at " + std::to_string(tap.x) + ", " + std::to_string(tap.y));
        device.host().tap(tap.x, tap.y);
        EXPECT_EQ(Options(), std::make_pair(tap.autoload, tap.sound));
    }
    EXPECT_EQ(Box(kAutoloadBoxTop), BoxIcon(147));  // no trace of the tick is left
    EXPECT_EQ(Box(kSoundBoxTop), BoxIcon(147));
}

TEST_F(ConfigDialogTest, TheCloseButtonSitsInTheBottomRightCornerForEitherHeight) {
    for (int height : {kSmallHeight, kLargeHeight}) {
        SCOPED_TRACE("height " + std::to_string(height));
        if (!bar) Open(height, 0, 1);
        else OnUiThread([this, height] { Make(height, 0, 1); });
        const RECT rect = WindowRect(ConfigDialog::CloseButton()->Window());
        EXPECT_EQ(rect.left, 221);
        EXPECT_EQ(rect.top, height - 19);
        EXPECT_EQ(rect.right - rect.left, 14);
        EXPECT_EQ(rect.bottom - rect.top, 14);
        EXPECT_EQ(ScreenArea(221, height - 19, 14, 14), IconOver(104, 14, kPanelColour));
        OnUiThread([this] {
            delete dialog;
            dialog = nullptr;
        });
    }
}

TEST_F(ConfigDialogTest, TheCloseButtonHandsTheChoicesToTheParentWhichClosesTheDialog) {
    items = config_test::MakeItems(10);
    items[4].selected = 1;
    Open(kSmallHeight, 0, 1);
    device.host().tap(120, 66 + 7 * 18 - 9);  // ticks item 6, the table's last row
    device.host().tap(120, 66 + 9);           // and item 0
    device.host().tap(27, 207);               // autoload on
    device.host().tap(27, 237);               // sound off
    EXPECT_EQ(WindowAt(228, 260), L"Close CfgDlg Button");
    device.host().tap(228, 260);
    EXPECT_EQ(popups::g_received, popups::Messages{kCloseCommand});
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(results.autoload, 1);
    EXPECT_EQ(results.sound, 0);
    EXPECT_EQ(results.count, 3);
    EXPECT_EQ(results.names, (std::vector<std::wstring>{L"Item 0", L"Item 4", L"Item 6"}));
    EXPECT_EQ(ConfigDialog::CloseButton(), nullptr);
    EXPECT_EQ(WindowAt(120, 100), L"Test Bar");
    EXPECT_EQ(appState.windowRegistry->count(), registered);
}

TEST_F(ConfigDialogTest, ARepaintKeepsTheSameTableWithItsScrollPositionAndTicks) {
    items = config_test::MakeItems(20);
    Open(kSmallHeight, 0, 1);
    device.host().tap(210, 183);     // the table's line-down button
    device.host().tap(120, 66 + 9);  // ticks item 1, now in the first row
    const HWND table = WindowUnder(100, 100);
    const auto before = ScreenArea(0, 0, 240, kSmallHeight);
    const int windows = appState.windowRegistry->count();
    OnUiThread([this] {
        HDC dc = GetDC(window);
        RECT inside = {10, 30, 230, 262};
        FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
    });
    Repaint(window);
    Repaint(table);
    EXPECT_EQ(ScreenArea(0, 0, 240, kSmallHeight), before);
    EXPECT_EQ(WindowUnder(100, 100), table);
    EXPECT_EQ(appState.windowRegistry->count(), windows);
}

TEST_F(ConfigDialogTest, ADialogClosedBeforeItsFirstPaintHandsBackTheTicksItWasGiven) {
    items[0].selected = 1;
    items[2].selected = 1;
    RunWithBar(
        [this](HWND) {
            Make(kSmallHeight, 1, 1);
            results = Read();  // no paint has made the table yet
            delete dialog;
            dialog = nullptr;
        },
        [] {});
    EXPECT_EQ(results.count, 2);
    EXPECT_EQ(results.names, (std::vector<std::wstring>{L"Item 0", L"Item 2"}));
}
