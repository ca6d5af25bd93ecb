// The information and the configuration dialogs: what they share (the title band and its
// dotted rule, the close button in the bottom-right corner for both heights, closing through
// the parent, repaints), then the configuration's own table, options and results.
#include "ConfigFixture.h"

#include <algorithm>
#include <tuple>
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
const POINT kClose = {228, 260};  // the close button of the small dialog

// What the configuration dialog hands back: the ticked items.
struct Results {
    int count = -1;
    std::vector<std::wstring> names;
};

template <class Dialog>
class Dialogs : public config_test::ConfigTest {
protected:
    static constexpr bool kConfig = std::is_same_v<Dialog, ConfigDialog>;
    static constexpr const wchar_t* kButton = kConfig ? L"Close CfgDlg Button" : L"Close InfoDlg Button";

    void SetUp() override {
        ConfigTest::SetUp();
        registered = appState.windowRegistry->count();
        onCommand = [this](UINT command) {  // the parent deletes the dialog
            if (command == kCloseCommand) Close();
        };
    }
    // Shows a dialog, in place of the one shown before.
    void Open(int height, int autoload = 0, int sound = 1) {
        this->Show(config_test::kScreen, dialog, [=, this] {
            dialog = new Dialog(L"Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, height, bar, instance, kCloseCommand);
            if constexpr (kConfig) {
                dialog->SetItems(items.data(), static_cast<int>(items.size()));
                dialog->SetOptions(autoload, sound);
            }
            window = dialog->Create(1);
        });
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
    }
    Results Read() {
        Results read{dialog->SelectedCount(), {}};
        ApplicationItem* selected = dialog->SelectedItems();
        for (int i = 0; i < read.count; ++i) read.names.push_back(selected[i].name);
        delete[] selected;
        return read;
    }
    IconButton* CloseButton() {
        return device.host().inspect([](emu::Device&) { return Dialog::CloseButton(); });
    }
    std::vector<COLORREF> Shown() { return ScreenArea(0, 0, 240, kSmallHeight); }
    void Tap(POINT p) { device.host().tap(p.x, p.y); }

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
        // The dotted rule under the band alternates black and the band's colour, end to end.
        for (int x : {2, 120, 236}) EXPECT_EQ(this->device.host().pixel(x, 25), RGB(0, 0, 0)) << x;
        for (int x : {3, 121, 237}) EXPECT_EQ(this->device.host().pixel(x, 25), kPanelColour) << x;
        EXPECT_EQ(this->WindowAt(221, height - 19), this->kButton);  // its top-left corner
        EXPECT_NE(this->WindowAt(220, height - 19), this->kButton);
        EXPECT_NE(this->WindowAt(221, height - 20), this->kButton);
        EXPECT_EQ(this->ScreenArea(221, height - 19, 14, 14), this->Icon(104, 14, 14, kPanelColour));
        if (top.empty()) top = this->ScreenArea(0, 0, 240, 236);
        else EXPECT_EQ(this->ScreenArea(0, 0, 240, 236), top);
    }
}

TYPED_TEST(Dialogs, ARepaintKeepsItsOneButtonAndOnlyTheCloseButtonClosesItThroughTheParentLeavingNothing) {
    this->Open(kSmallHeight);
    IconButton* button = this->CloseButton();
    const auto before = this->Shown();
    auto alive = [this] {
        return this->device.host().inspect([](emu::Device& d) { return d.gdi->live_objects() + d.gdi->live_icons(); });
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
    EXPECT_EQ(this->Shown(), before);
    EXPECT_EQ(this->CloseButton(), button);
    EXPECT_EQ(alive(), objects);
    EXPECT_EQ(appState.windowRegistry->count(), windows);

    this->Tap({120, 15});
    this->Tap({220, 252});  // just outside the close button
    EXPECT_TRUE(this->Commands().empty());
    EXPECT_EQ(this->Shown(), before);
    this->Tap(kClose);
    EXPECT_EQ(this->Commands(), std::vector<UINT>{kCloseCommand});
    EXPECT_EQ(this->dialog, nullptr);
    EXPECT_EQ(this->CloseButton(), nullptr);
    EXPECT_EQ(this->WindowAt(kClose.x, kClose.y), L"Test Bar");
    EXPECT_EQ(appState.windowRegistry->count(), this->registered);
    // The classes are gone too: a new dialog registers them again, with a fresh button.
    this->Open(kSmallHeight);
    EXPECT_EQ(this->WindowAt(kClose.x, kClose.y), this->kButton);
}

using ConfigDialogTest = Dialogs<ConfigDialog>;

TEST_F(ConfigDialogTest, ItShowsTableAndOptionsAndOnlyTapsOnTheBoxesFlipTheOptionsEachToZeroOrOne) {
    items[2].selected = 1;
    Open(kSmallHeight, 5, -1);  // any non-zero flag shows ticked
    RECT table = {};
    device.run([&] { GetWindowRect(WindowFromPoint(POINT{100, 100}), &table); });
    EXPECT_EQ(std::tuple(table.left, table.top, table.right, table.bottom), std::tuple(20, 65, 220, 193));
    EXPECT_EQ(ScreenArea(24, 66 + 2 * 18 + 3, 14, 12), BoxIcon(148));  // the ticked item
    EXPECT_TRUE(HasInk(ScreenArea(40, 200, 150, 26), kWhiteColour));    // the autoload lines
    EXPECT_EQ(ScreenArea(20, 202, 14, 12), BoxIcon(148));
    EXPECT_EQ(ScreenArea(20, 232, 14, 12), BoxIcon(148));
    const struct {
        int x, y, autoload, sound;
    } taps[] = {
        {20, 202, 0, -1}, {34, 213, 1, -1},                                      // the autoload box's corners
        {35, 207, 1, -1}, {19, 207, 1, -1}, {27, 201, 1, -1}, {27, 214, 1, -1},  // just outside it
        {60, 205, 1, -1}, {27, 232, 1, 0},  {34, 243, 1, 1},                     // its text, the sound box
        {27, 244, 1, 1},  {70, 235, 1, 1},                                       // below that, its text
    };
    for (const auto& tap : taps) {
        SCOPED_TRACE("tap at " + std::to_string(tap.x) + ", " + std::to_string(tap.y));
        Tap({tap.x, tap.y});
        auto options = [this](emu::Device&) { return std::pair(dialog->Autoload(), dialog->Sound()); };
        EXPECT_EQ(device.host().inspect(options), std::pair(tap.autoload, tap.sound));
    }
    Tap({27, 207});
    EXPECT_EQ(ScreenArea(20, 202, 14, 12), BoxIcon(147));  // no trace of the tick is left
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
