// The information and the configuration dialogs: what they share (the title band and its
// dotted rule, the close button in the bottom-right corner for both heights, closing through
// the parent, repaints), then the configuration's own table, options and results.
#include "ConfigFixture.h"

#include <algorithm>
#include <type_traits>

#include "app/ApplicationState.h"
#include "config/ConfigDialog.h"
#include "gdi/Gdi.h"
#include "ui/Colours.h"
#include "ui/IconButton.h"
#include "ui/InfoDialog.h"
#include "ui/WindowRegistry.h"

namespace {

const int kSmallHeight = 272, kLargeHeight = 258;
// The dialogs answer their close button's command and pass on their own to the parent.
const UINT kCloseCommand = 1234;

// What the parent read from the configuration dialog when it closed it.
struct Results {
    int autoload = -1, sound = -1, count = -1;
    std::vector<std::wstring> names;
};

template <class Dialog>
class Dialogs : public config_test::ConfigTest {
protected:
    static constexpr bool kConfig = std::is_same_v<Dialog, ConfigDialog>;

    void SetUp() override {
        ConfigTest::SetUp();
        registered = appState.windowRegistry->count();
        onCommand = [this](UINT command) {  // the parent takes the results and deletes the dialog
            if (command != kCloseCommand) return;
            if constexpr (kConfig) results = Read();
            Close();
        };
    }
    // Shows a dialog, in place of the one shown before.
    void Open(int height, int autoload = 0, int sound = 1) {
        auto make = [=, this](HWND) {
            dialog = new Dialog(L"Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, height, bar, instance, kCloseCommand);
            if constexpr (kConfig) {
                dialog->SetItems(items.data(), static_cast<int>(items.size()));
                dialog->SetOptions(autoload, sound);
            }
            window = dialog->Create(1);
        };
        if (!bar) return RunWithBar(config_test::kScreen, make, [this] { Close(); });
        OnUiThread([=, this] {
            Close();
            make(bar);
        });
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
    }
    Results Read() {
        Results read{dialog->Autoload(), dialog->Sound(), dialog->SelectedCount(), {}};
        ApplicationItem* selected = dialog->SelectedItems();
        for (int i = 0; i < read.count; ++i) read.names.push_back(selected[i].name);
        delete[] selected;
        return read;
    }
    IconButton* CloseButton() {
        return device.host().inspect([](emu::Device&) { return Dialog::CloseButton(); });
    }
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
    std::pair<int, int> Options() {
        return device.host().inspect([this](emu::Device&) { return std::pair(dialog->Autoload(), dialog->Sound()); });
    }
    std::vector<COLORREF> Box(int top) { return ScreenArea(20, top, 14, 12); }

    std::vector<ApplicationItem> items = test::ProgramItems(3);
    Dialog* dialog = nullptr;
    HWND window = nullptr;
    Results results;
    int registered = 0;
};

using Kinds = ::testing::Types<InfoDialog, ConfigDialog>;
TYPED_TEST_SUITE(Dialogs, Kinds);

bool HasInk(const std::vector<COLORREF>& pixels, COLORREF background) {
    return std::any_of(pixels.begin(), pixels.end(), [&](COLORREF c) { return c != background; });
}

}  // namespace

TYPED_TEST(Dialogs, TheTitleBandStaysAndTheCloseButtonFollowsTheBottomEdgeForEitherHeight) {
    std::vector<COLORREF> top;
    for (int height : {kSmallHeight, kLargeHeight}) {
        SCOPED_TRACE(height);
        this->Open(height);
        EXPECT_EQ(this->ScreenArea(70, 7, 14, 14), this->Icon(this->kConfig ? 109 : 113, 14, 14, kPanelColour));
        EXPECT_TRUE(HasInk(this->ScreenArea(90, 7, 80, 14), kPanelColour));  // the title
        // The dotted rule under the band alternates black and the band's colour.
        for (int x = 2; x <= 236; x += 2) EXPECT_EQ(this->device.host().pixel(x, 25), RGB(0, 0, 0)) << x;
        for (int x = 3; x <= 237; x += 2) EXPECT_EQ(this->device.host().pixel(x, 25), kPanelColour) << x;
        EXPECT_EQ(this->device.host().pixel(200, 15), kPanelColour);  // inside the band
        EXPECT_EQ(this->device.host().pixel(230, 40), kWhiteColour);  // the panel below it, right of any text
        const RECT close = this->WindowRect(TypeParam::CloseButton()->Window());
        EXPECT_EQ(close.left, 221);
        EXPECT_EQ(close.top, height - 19);
        EXPECT_EQ(close.right, 235);
        EXPECT_EQ(close.bottom, height - 5);
        EXPECT_EQ(this->ScreenArea(221, height - 19, 14, 14), this->Icon(104, 14, 14, kPanelColour));
        if (top.empty())
            top = this->ScreenArea(0, 0, 240, 236);
        else
            EXPECT_EQ(this->ScreenArea(0, 0, 240, 236), top);
    }
}

TYPED_TEST(Dialogs, OnlyTheCloseButtonClosesTheDialogThroughTheParentLeavingNothingBehind) {
    this->Open(kSmallHeight);
    const auto before = this->ScreenArea(0, 0, 240, kSmallHeight);
    this->device.host().tap(120, 15);
    this->device.host().tap(220, 252);  // just outside the close button
    EXPECT_TRUE(this->Commands().empty());
    EXPECT_EQ(this->ScreenArea(0, 0, 240, kSmallHeight), before);

    this->device.host().tap(228, 260);
    EXPECT_EQ(this->Commands(), std::vector<UINT>{kCloseCommand});
    EXPECT_EQ(this->dialog, nullptr);
    EXPECT_EQ(this->CloseButton(), nullptr);
    EXPECT_EQ(this->WindowAt(228, 260), L"Test Bar");
    EXPECT_EQ(this->WindowAt(120, 100), L"Test Bar");
    EXPECT_EQ(appState.windowRegistry->count(), this->registered);
    // The classes are gone too: a new dialog registers them again, with a fresh button.
    this->Open(kSmallHeight);
    EXPECT_NE(this->window, nullptr);
    EXPECT_EQ(this->WindowAt(228, 260), this->kConfig ? L"Close CfgDlg Button" : L"Close InfoDlg Button");
}

TYPED_TEST(Dialogs, ARepaintDrawsItAllAgainButMakesNoSecondButtonAndLeaksNothing) {
    this->Open(kSmallHeight);
    IconButton* button = this->CloseButton();
    const auto before = this->ScreenArea(0, 0, 240, kSmallHeight);
    auto alive = [this] {
        return this->device.host().inspect(
            [](emu::Device& d) { return d.gdi->live_objects() + d.gdi->live_icons(); });
    };
    const auto objects = alive();
    const int windows = appState.windowRegistry->count();
    this->OnUiThread([this] {
        HDC dc = GetDC(this->window);
        RECT inside = {10, 10, 230, 262};  // the dialog leaves the pixels outside its frame alone
        FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(this->window, dc);
    });
    this->Repaint(this->window);
    EXPECT_EQ(this->ScreenArea(0, 0, 240, kSmallHeight), before);
    EXPECT_EQ(this->CloseButton(), button);
    EXPECT_EQ(alive(), objects);
    EXPECT_EQ(appState.windowRegistry->count(), windows);
}

using ConfigDialogTest = Dialogs<ConfigDialog>;

TEST_F(ConfigDialogTest, ItShowsHintsTableAndOptionsAndOnlyTapsOnTheBoxesFlipTheOptionsEachToZeroOrOne) {
    items[2].selected = 1;
    Open(kSmallHeight, 5, -1);  // any non-zero flag shows ticked
    EXPECT_TRUE(HasInk(ScreenArea(20, 31, 150, 26), kWhiteColour));  // the two hint lines
    const RECT table = WindowRect(WindowUnder(100, 100));
    EXPECT_EQ(table.left, 20);
    EXPECT_EQ(table.top, 65);
    EXPECT_EQ(table.right, 220);
    EXPECT_EQ(table.bottom, 193);
    EXPECT_EQ(ScreenArea(24, 66 + 2 * 18 + 3, 14, 12), BoxIcon(148));  // the ticked item
    EXPECT_TRUE(HasInk(ScreenArea(40, 200, 150, 26), kWhiteColour));    // the autoload lines
    EXPECT_TRUE(HasInk(ScreenArea(40, 230, 100, 12), kWhiteColour));    // "Turn on Sound"
    EXPECT_EQ(Box(202), BoxIcon(148));
    EXPECT_EQ(Box(232), BoxIcon(148));
    struct Tap {
        int x, y, autoload, sound;
    };
    const Tap taps[] = {
        {20, 202, 0, -1}, {34, 213, 1, -1}, {27, 207, 0, -1},                    // the autoload box, corners included
        {35, 207, 0, -1}, {19, 207, 0, -1}, {27, 201, 0, -1}, {27, 214, 0, -1},  // just outside it
        {60, 205, 0, -1}, {60, 218, 0, -1},                                      // its text
        {27, 232, 0, 0},  {34, 243, 0, 1},  {20, 240, 0, 0},                     // the sound box
        {27, 231, 0, 0},  {27, 244, 0, 0},  {35, 235, 0, 0}, {70, 235, 0, 0},    // around it and its text
    };
    for (const Tap& tap : taps) {
        SCOPED_TRACE("tap at " + std::to_string(tap.x) + ", " + std::to_string(tap.y));
        device.host().tap(tap.x, tap.y);
        EXPECT_EQ(Options(), std::pair(tap.autoload, tap.sound));
    }
    EXPECT_EQ(Box(202), BoxIcon(147));  // no trace of the tick is left
    EXPECT_EQ(Box(232), BoxIcon(147));
}

TEST_F(ConfigDialogTest, TheParentReadsTheChoicesWhenTheCloseButtonClosesTheDialog) {
    items = test::ProgramItems(10);
    items[4].selected = 1;
    Open(kSmallHeight, 0, 1);
    device.host().tap(120, 66 + 7 * 18 - 9);  // ticks item 6, the table's last row
    device.host().tap(120, 66 + 9);           // and item 0
    device.host().tap(27, 207);               // autoload on
    device.host().tap(27, 237);               // sound off
    device.host().tap(228, 260);
    EXPECT_EQ(results.autoload, 1);
    EXPECT_EQ(results.sound, 0);
    EXPECT_EQ(results.count, 3);
    EXPECT_EQ(results.names, (std::vector<std::wstring>{L"Item 0", L"Item 4", L"Item 6"}));
}

TEST_F(ConfigDialogTest, ARepaintKeepsTheSameTableWithItsScrollPositionAndTicks) {
    items = test::ProgramItems(20);
    Open(kSmallHeight, 0, 1);
    device.host().tap(210, 183);     // the table's line-down button
    device.host().tap(120, 66 + 9);  // ticks item 1, now in the first row
    const HWND table = WindowUnder(100, 100);
    const auto before = ScreenArea(0, 0, 240, kSmallHeight);
    Repaint(window);
    Repaint(table);
    EXPECT_EQ(ScreenArea(0, 0, 240, kSmallHeight), before);
    EXPECT_EQ(WindowUnder(100, 100), table);
}

TEST_F(ConfigDialogTest, ADialogClosedBeforeItsFirstPaintHandsBackTheTicksItWasGiven) {
    items[0].selected = 1;
    items[2].selected = 1;
    RunWithBar(
        config_test::kScreen,
        [this](HWND) {
            dialog = new ConfigDialog(L"Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, kSmallHeight, bar, instance,
                                      kCloseCommand);
            dialog->SetItems(items.data(), static_cast<int>(items.size()));
            dialog->Create(1);
            results = Read();  // no paint has made the table yet
            Close();
        },
        [] {});
    EXPECT_EQ(results.count, 2);
    EXPECT_EQ(results.names, (std::vector<std::wstring>{L"Item 0", L"Item 2"}));
}
